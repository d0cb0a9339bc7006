// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/control_box.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <utility>

#include "app/control_box_layout.h"
#include "ui/controls/invisible_button.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_check_box.h"
#include "ui/controls/skin_library.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/transparent_static.h"
#include "ui/dialog_framework/dialog_font.h"
#include "ui/dialog_framework/drag_by_body.h"
#include "ui/dialog_framework/tab_order.h"

namespace qmb {

namespace {

constexpr int kCornerDiameter = 38;
constexpr int kFontPixels = 10;
const QColor kControlBackground(220, 220, 240);
const QColor kControlText(0, 0, 255);

const std::array<const char*, 3> kEnglishProfiles{"Office", "Game-1", "Game-2"};
const std::array<const char*, 4> kKoreanProfiles{"사무용", "게임용1", "게임용2", "게임용3"};

}  // namespace

ControlBox::ControlBox(int modelNumber, Language language)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      backgroundSkin_(modelNumber == 1 ? kSkinElevenSteps : kSkinThreeSteps),
      language_(language)
{
    setObjectName("102");
    setFixedSize(kControlBoxPixels);
    setFocusPolicy(Qt::ClickFocus);
    setWindowTitle(QStringLiteral("QMBPro"));
    CreateControls(language);
    ApplyColours();
    NameControls();
    OrderTabsByPlace(*this);
    DragByBody::Install(*this);
}

void ControlBox::NameControls()
{
    // The captions of the buttons are in their pictures; the check boxes
    // and sliders have none but the skin's.
    const std::map<ControlId, QString> names{
        {kButtonModeButton, tr("Normal")},  {kFunctionModeButton, tr("Function")}, {kSequenceButton, tr("Sequence")},
        {kPasswordButton, tr("PassWord")},  {kConfigButton, tr("Edit")},           {kHelpButton, tr("Help")},
        {kExitButton, tr("Exit")},          {kAutoClickCheck, tr("Auto-click")},   {kSiteModeCheck, tr("Web-site mode")},
        {kResolutionSlider, tr("DPI")},     {kIntervalSlider, tr("Polling")},      {kProfileCombo, tr("Profile")},
        {kSiteCombo, tr("Web site")},
    };
    for (const auto& [id, name] : names) {
        QWidget* control = findChild<QWidget*>(QString::number(id));
        control->setAccessibleName(name);
        if (id == kAutoClickCheck || id == kSiteModeCheck) {
            control->setToolTip(name);
        }
    }
}

void ControlBox::CreateControls(Language language)
{
    PlaceControls<ControlKind>(kControlBoxLayout, language, [&](const ControlPlace<ControlKind>& place) {
        QWidget* control = nullptr;
        switch (place.kind) {
        case ControlKind::Label: {
            auto* label = new CTransparentStatic(this);
            (place.id == kResolutionLabel ? resolutionLabel_ : intervalLabel_) = label;
            control = label;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(this);
            if (place.id == kProfileCombo) {
                if (language == Language::Korean) {
                    for (const char* entry : kKoreanProfiles) {
                        combo->addItem(QString::fromUtf8(entry));
                    }
                } else {
                    for (const char* entry : kEnglishProfiles) {
                        combo->addItem(QString::fromUtf8(entry));
                    }
                }
                combo->setCurrentIndex(-1);
                profileCombo_ = combo;
            } else {
                siteCombo_ = combo;
            }
            control = combo;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new SkinCheckBox(this);
            (place.id == kSiteModeCheck ? siteModeCheck_ : autoClickCheck_) = check;
            control = check;
            break;
        }
        case ControlKind::Slider: {
            auto* slider = new SkinSlider(this);
            (place.id == kResolutionSlider ? resolutionSlider_ : intervalSlider_) = slider;
            control = slider;
            break;
        }
        case ControlKind::SkinButton: {
            auto* button = new SkinBitmapButton(this);
            buttons_[static_cast<ControlId>(place.id)] = button;
            // The active mode's button is the disabled one.
            if (place.id == kButtonModeButton || place.id == kFunctionModeButton) {
                button->KeepFaceWhenDisabled();
            }
            control = button;
            break;
        }
        case ControlKind::InvisibleButton:
            helpButton_ = new InvisibleButton(this);
            control = helpButton_;
            break;
        }
        control->setFocusPolicy(place.kind == ControlKind::Label ? Qt::NoFocus : Qt::StrongFocus);
        return control;
    });
}

void ControlBox::ApplyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kControlBackground);
    colours.setColor(QPalette::Button, kControlBackground);
    colours.setColor(QPalette::Text, kControlText);
    colours.setColor(QPalette::WindowText, kControlText);
    colours.setColor(QPalette::ButtonText, kControlText);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->setPalette(colours);
    }
}

void ControlBox::showEvent(QShowEvent* event)
{
    // Fonts are looked up and the lists laid out in them only when the box
    // is first seen, not before the tray icon is up.
    if (language_) {
        const QFont small = DialogFont(*std::exchange(language_, std::nullopt), kFontPixels);
        resolutionLabel_->setFont(small);
        intervalLabel_->setFont(small);
        for (QComboBox* list : {profileCombo_, siteCombo_}) {
            list->setFont(small);
            list->view()->setFont(small);
        }
    }
    QWidget::showEvent(event);
}

void ControlBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, RenderSkin(backgroundSkin_, size(), devicePixelRatioF()));
}

void ControlBox::resizeEvent(QResizeEvent*)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), kCornerDiameter / 2.0, kCornerDiameter / 2.0);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void ControlBox::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}

void ControlBox::keyPressEvent(QKeyEvent* event)
{
    // Neither key closes the control box.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace qmb
