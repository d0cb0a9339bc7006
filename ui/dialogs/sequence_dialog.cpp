#include "ui/dialogs/sequence_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>

#include <map>

#include "ui/notice/notice_popup.h"
#include "ui/dialogs/sequence_layout.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "protocol/device_session.h"
#include "protocol/sequence_tables.h"

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
    : SkinnedDialog(parent), session_(session)
{
    setObjectName("144");
    setFixedSize(UnitsToPixels(kSequenceUnits));
    CreateControls(language);
    ApplyControlColours();
    // Nothing may be written before the mouse's own settings are shown.
    button(kApplySequenceButton)->setEnabled(false);
    button(kOkSequenceButton)->setEnabled(false);
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

    list(kTargetList)->addItems({tr("R.Button"), tr("4-Button"), tr("5-Button")});
    list(kApplyButtonList)->addItems({tr("L.Button "), tr("R.Button")});
    FillRange(list(kRunCountList), kRunCounts, "%2d times");
    FillRange(list(kClickOnList), kClickTimes, "%d msec");
    FillRange(list(kClickOffList), kClickTimes, "%d msec");
    FillRange(list(kRunCycleList), kRunCycles, "%d msec");

    connect(button(kApplySequenceButton), &QAbstractButton::clicked, this, &SequenceDialog::OnApply);
    connect(button(kOkSequenceButton), &QAbstractButton::clicked, this, &SequenceDialog::OnOk);
    connect(button(kCancelSequenceButton), &QAbstractButton::clicked, this, &QDialog::reject);
}

QRadioButton* SequenceDialog::choice(int id) const
{
    return findChild<QRadioButton*>(QString::number(id));
}

QCheckBox* SequenceDialog::useRunCycle() const
{
    return findChild<QCheckBox*>(QString::number(kUseRunCycleCheck));
}

void SequenceDialog::ShowSettings()
{
    session_.keeper.Take(session_.commands.QueryStatus());
    if (!session_.keeper.Take(session_.commands.QuerySequence()).ok()) {
        ShowFailureNotice(tr("Failed of config read!"));
    }
    const DeviceState& state = session_.state;
    // A target, count, time or cycle the lists do not hold leaves its list
    // without a selection.
    list(kTargetList)->setCurrentIndex(EntryOfValue(kAutoClickTargets, state.autoClickTarget).value_or(0));
    list(kRunCountList)->setCurrentIndex(kRunCounts.EntryOf(state.runCount));
    list(kClickOnList)->setCurrentIndex(kClickTimes.EntryOf(state.clickOnTime));
    list(kClickOffList)->setCurrentIndex(kClickTimes.EntryOf(state.clickOffTime));
    list(kRunCycleList)->setCurrentIndex(kRunCycles.EntryOf(state.runCycle));
    list(kApplyButtonList)->setCurrentIndex(EntryOfValue(kApplyButtons, state.applyButton).value_or(-1));
    if (const auto style = EntryOfValue(kSequenceStyles, state.sequenceMode)) {
        choice(kStyleChoices[static_cast<size_t>(*style)])->setChecked(true);
    }
    useRunCycle()->setChecked(state.useRunCycle != 0);
    button(kApplySequenceButton)->setEnabled(true);
    button(kOkSequenceButton)->setEnabled(true);
    shown_ = true;
}

void SequenceDialog::OnApply()
{
    DeviceState& state = session_.state;
    const int target = list(kTargetList)->currentIndex();
    if (target >= 0) {
        state.autoClickTarget = kAutoClickTargets[static_cast<size_t>(target)].value;
    }
    // A list left without a selection gives what its entry -1 stands for,
    // as the mouse has always been sent it.
    state.runCount = kRunCounts.ValueOf(list(kRunCountList)->currentIndex());
    state.clickOnTime = kClickTimes.ValueOf(list(kClickOnList)->currentIndex());
    state.clickOffTime = kClickTimes.ValueOf(list(kClickOffList)->currentIndex());
    state.runCycle = kRunCycles.ValueOf(list(kRunCycleList)->currentIndex());
    state.applyButton = static_cast<uint8_t>(list(kApplyButtonList)->currentIndex() + 1);
    state.sequenceMode = 0;
    for (size_t i = 0; i < kStyleChoices.size(); ++i) {
        if (choice(kStyleChoices[i])->isChecked()) {
            state.sequenceMode = kSequenceStyles[i].value;
        }
    }
    state.useRunCycle = useRunCycle()->isChecked() ? 1 : 0;
    applied_ = true;
    session_.keeper.Take(session_.commands.WriteSequence(SequenceOf(state)));
    session_.keeper.Take(session_.commands.WriteStatus(StatusOf(state)));
}

void SequenceDialog::OnOk()
{
    if (!applied_) {
        OnApply();
    }
    accept();
}

}  // namespace qmb
