// The notice's window is cut to its letters: a real pointer press between
// them goes to the window underneath, a press on a letter does not. Only an
// X server decides that, so this runs on its own Xvfb and sends the presses
// through XTest (xdotool).

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <optional>

#include "app/notice/notice_popup.h"
#include "app/notice/notice_text.h"
#include "app/notice/region_from_bitmap.h"

namespace {

constexpr int kServerStartWait = 10000;
const QString kNotice = QStringLiteral("Match Ok!");
const QColor kBlue(50, 112, 205);

// Where the letters of the notice are, worked out apart from the popup.
QRegion Letters()
{
    return qmb::RegionFromBitmap(qmb::RenderNoticeText(kNotice, kBlue), qRgb(0, 0, 0), qRgb(16, 16, 16));
}

// An Xvfb of its own on the first free display, for as long as it lives.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        const QString server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty()) {
            return;
        }
        installed_ = true;
        // Xvfb writes the display number it chose to its standard output
        // once it takes connections.
        process_.start(server, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        while (process_.waitForReadyRead(kServerStartWait)) {
            const QByteArray output = process_.readAllStandardOutput();
            number_ += output;
            if (output.contains('\n')) {
                return;
            }
        }
        problem_ = "Xvfb did not start: " + process_.readAllStandardError();
    }

    ~VirtualDisplay()
    {
        process_.terminate();
        process_.waitForFinished();
    }

    bool installed() const { return installed_; }
    bool running() const { return installed_ && problem_.isEmpty(); }
    QByteArray name() const { return ":" + number_.trimmed(); }
    const QByteArray& problem() const { return problem_; }

private:
    bool installed_ = false;
    QProcess process_;
    QByteArray number_;
    QByteArray problem_;
};

// A window filling the screen that notes where it was pressed.
class Underneath : public QWidget {
public:
    std::optional<QPoint> pressedAt;

protected:
    void mousePressEvent(QMouseEvent* event) override { pressedAt = event->globalPosition().toPoint(); }
};

// A point of the popup with all of its neighbours in (or all out of) its
// shape, between the letters' left and right ends: a press there cannot
// land on an edge pixel.
std::optional<QPoint> ClearPoint(const QRegion& shape, bool onLetter)
{
    constexpr int kMargin = 2;
    const QRect letters = shape.boundingRect();
    for (int y = letters.top() + kMargin; y <= letters.bottom() - kMargin; ++y) {
        for (int x = letters.left() + kMargin; x <= letters.right() - kMargin; ++x) {
            bool clear = true;
            for (int dy = -kMargin; dy <= kMargin && clear; ++dy) {
                for (int dx = -kMargin; dx <= kMargin && clear; ++dx) {
                    clear = shape.contains(QPoint(x + dx, y + dy)) == onLetter;
                }
            }
            if (clear) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

class NoticeClickThroughTest : public QObject {
    Q_OBJECT

public:
    explicit NoticeClickThroughTest(const VirtualDisplay& display) : display_(display) {}

private slots:
    void initTestCase()
    {
        if (!display_.installed()) {
            QSKIP("Xvfb is not installed (Debian package xvfb)");
        }
        QVERIFY2(display_.running(), display_.problem().constData());
        if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
            QSKIP("xdotool is not installed (Debian package xdotool)");
        }
        underneath_.setGeometry(QGuiApplication::primaryScreen()->geometry());
        underneath_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&underneath_));
        qmb::ShowNotice(kNotice, kBlue, 60000);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* popup = qobject_cast<qmb::NoticePopup*>(widget)) {
                popup_ = popup;
            }
        }
        QVERIFY(popup_ != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(popup_));
    }

    void init() { underneath_.pressedAt.reset(); }

    void pressBetweenTheLettersReachesTheWindowUnderneath()
    {
        const auto gap = ClearPoint(Letters(), false);
        QVERIFY(gap.has_value());
        const QPoint at = popup_->mapToGlobal(*gap);
        Click(at);
        QTRY_VERIFY_WITH_TIMEOUT(underneath_.pressedAt.has_value(), 3000);
        QCOMPARE(*underneath_.pressedAt, at);
    }

    void pressOnALetterGoesNowhereElse()
    {
        const auto letter = ClearPoint(Letters(), true);
        QVERIFY(letter.has_value());
        Click(popup_->mapToGlobal(*letter));
        QTest::qWait(500);
        QVERIFY(!underneath_.pressedAt.has_value());
        QVERIFY(popup_->isVisible());
    }

private:
    static void Click(QPoint at)
    {
        const int status = QProcess::execute(
            "xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        QCOMPARE(status, 0);
    }

    const VirtualDisplay& display_;
    Underneath underneath_;
    qmb::NoticePopup* popup_ = nullptr;
};

int main(int argc, char** argv)
{
    // The display must be up before the application connects to it, and
    // outlive it.
    VirtualDisplay display;
    if (display.running()) {
        qputenv("DISPLAY", display.name());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    NoticeClickThroughTest test(display);
    return QTest::qExec(&test, argc, argv);
}

#include "notice_click_through_test.moc"
