// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/sequence_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>

#include <map>

#include "actions/sequence_actions.h"
#include "protocol/device_session.h"
#include "protocol/sequence_tables.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/sequence_layout.h"
#include "ui/notice/notice_popup.h"

namespace qmb {

namespace {

constexpr std::array<int, 3> kStyleChoices{kContinueValueChoice, kToggleChoice, kContinueChoice};

void FillRange(QComboBox* list, ValueRange range, const char* format)
{
    for (int value = range.first; value <= range.last; ++value) {
        list->addItem(QString::asprintf(format, value));
    }
}

}  // namespace

SequenceDialog::SequenceDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(language, parent), session_(session)
{
    setObjectName("144");
    setFixedSize(UnitsToPixels(kSequenceUnits));
    CreateControls(language);
    FinishControls();
    // Nothing may be written before the mouse's own settings are shown.
    apply_->setEnabled(false);
    ok_->setEnabled(false);
    QTimer::singleShot(kFirstReadDelayMs, this, &SequenceDialog::ShowSettings);
}

void SequenceDialog::CreateControls(Language language)
{
    const std::map<int, QString> texts{
        {kSequenceGroup, tr("Sequence Setting")},
        {kTargetLabel, tr("Target Button")},
        {kRunCountLabel, tr("Runnig count")},
        {kClickOnLabel, tr("ClkOnTime")},
        {kClickOffLabel, tr("ClkOffTime")},
        {kRunCycleLabel, tr("Running Cycle")},
        {kApplyButtonLabel, tr("Apply Button")},
        {kContinueValueChoice, tr("Continue Value")},
        {kToggleChoice, tr("Toggle (Start/Stop)")},
        {kContinueChoice, tr("Continue")},
        {kUseRunCycleCheck, tr("Use Running Cycle")},
        {kApplySequenceButton, tr("Apply")},
        {kOkSequenceButton, tr("OK")},
        {kCancelSequenceButton, tr("Cancel")},
    };
    const std::map<int, QString> tips{
        {kApplySequenceButton, tr("Save")},
        {kOkSequenceButton, tr("Save & Finish")},
        {kCancelSequenceButton, tr("Cancel", "tooltip")},
    };
    const auto textOf = [](const std::map<int, QString>& table, int id) {
        return table.contains(id) ? table.at(id) : QString();
    };
    PlaceControls<SequenceKind>(kSequenceLayout, language, [&](const ControlPlace<SequenceKind>& place) -> QWidget* {
        const QString text = textOf(texts, place.id);
        switch (place.kind) {
        case SequenceKind::GroupBox:
            return AddGroup(text);
        case SequenceKind::Label:
            return AddLabel(text);
        case SequenceKind::List:
            return AddList();
        case SequenceKind::Choice:
            return new QRadioButton(text, this);
        case SequenceKind::CheckBox:
            return new QCheckBox(text, this);
        case SequenceKind::Button:
            return AddButton(text, textOf(tips, place.id));
        }
        return nullptr;
    });

    targetList_ = list(kTargetList);
    runCountList_ = list(kRunCountList);
    clickOnList_ = list(kClickOnList);
    clickOffList_ = list(kClickOffList);
    runCycleList_ = list(kRunCycleList);
    applyButtonList_ = list(kApplyButtonList);
    for (size_t i = 0; i < kStyleChoices.size(); ++i) {
        styleChoices_[i] = findChild<QRadioButton*>(QString::number(kStyleChoices[i]));
    }
    useRunCycle_ = findChild<QCheckBox*>(QString::number(kUseRunCycleCheck));
    apply_ = button(kApplySequenceButton);
    ok_ = button(kOkSequenceButton);
    cancel_ = button(kCancelSequenceButton);

    targetList_->addItems({tr("R.Button"), tr("4-Button"), tr("5-Button")});
    applyButtonList_->addItems({tr("L.Button "), tr("R.Button")});
    FillRange(runCountList_, kRunCounts, "%2d times");
    FillRange(clickOnList_, kClickTimes, "%d msec");
    FillRange(clickOffList_, kClickTimes, "%d msec");
    FillRange(runCycleList_, kRunCycles, "%d msec");

    connect(apply_, &QAbstractButton::clicked, this, &SequenceDialog::OnApply);
    connect(ok_, &QAbstractButton::clicked, this, &SequenceDialog::OnOk);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
}

QRadioButton* SequenceDialog::choice(int id) const
{
    return findChild<QRadioButton*>(QString::number(id));
}

void SequenceDialog::ShowSettings()
{
    if (ReadSequence(session_) != ActionResult::Done) {
        ShowFailureNotice(tr("Failed of config read!"));
    }
    const DeviceState& state = session_.state;
    // A target, count, time or cycle the lists do not hold leaves its list
    // without a selection.
    targetList_->setCurrentIndex(EntryOfValue(kAutoClickTargets, state.autoClickTarget).value_or(0));
    runCountList_->setCurrentIndex(kRunCounts.EntryOf(state.runCount));
    clickOnList_->setCurrentIndex(kClickTimes.EntryOf(state.clickOnTime));
    clickOffList_->setCurrentIndex(kClickTimes.EntryOf(state.clickOffTime));
    runCycleList_->setCurrentIndex(kRunCycles.EntryOf(state.runCycle));
    applyButtonList_->setCurrentIndex(EntryOfValue(kApplyButtons, state.applyButton).value_or(-1));
    if (const auto style = EntryOfValue(kSequenceStyles, state.sequenceMode)) {
        styleChoices_[static_cast<size_t>(*style)]->setChecked(true);
    }
    useRunCycle_->setChecked(state.useRunCycle != 0);
    apply_->setEnabled(true);
    ok_->setEnabled(true);
    shown_ = true;
}

void SequenceDialog::OnApply()
{
    const int target = targetList_->currentIndex();
    SequenceRecord record;
    // A list left without a selection gives what its entry -1 stands for,
    // as the mouse has always been sent it.
    record.runCount = kRunCounts.ValueOf(runCountList_->currentIndex());
    record.clickOnTime = kClickTimes.ValueOf(clickOnList_->currentIndex());
    record.clickOffTime = kClickTimes.ValueOf(clickOffList_->currentIndex());
    record.runCycle = kRunCycles.ValueOf(runCycleList_->currentIndex());
    record.applyButton = static_cast<uint8_t>(applyButtonList_->currentIndex() + 1);
    for (size_t i = 0; i < styleChoices_.size(); ++i) {
        if (styleChoices_[i]->isChecked()) {
            record.sequenceMode = kSequenceStyles[i].value;
        }
    }
    record.useRunCycle = useRunCycle_->isChecked() ? 1 : 0;
    applied_ = true;
    SaveSequence(session_,
                 target >= 0 ? std::optional(kAutoClickTargets[static_cast<size_t>(target)].value) : std::nullopt,
                 record);
}

void SequenceDialog::OnEnter(QWidget*)
{
    // Not before the mouse's own settings are shown, as "OK" itself.
    if (ok_->isEnabled()) {
        ok_->click();
    }
}

void SequenceDialog::OnOk()
{
    if (!applied_) {
        OnApply();
    }
    accept();
}

}  // namespace qmb
