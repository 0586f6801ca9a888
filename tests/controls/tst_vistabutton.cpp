#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Records the button's events by name, in the order they come.
class EventLog {
public:
    explicit EventLog(VistaButton &b)
    {
        auto note = [this](const char *name) {
            return [this, name] { names << QString::fromLatin1(name); };
        };
        QObject::connect(&b, &VistaButton::Click, note("Click"));
        QObject::connect(&b, &VistaButton::KeyDown, note("KeyDown"));
        QObject::connect(&b, &VistaButton::KeyPress, note("KeyPress"));
        QObject::connect(&b, &VistaButton::KeyUp, note("KeyUp"));
        QObject::connect(&b, &VistaButton::MouseDown, note("MouseDown"));
        QObject::connect(&b, &VistaButton::MouseMove, note("MouseMove"));
        QObject::connect(&b, &VistaButton::MouseUp, note("MouseUp"));
        QObject::connect(&b, &VistaButton::MouseIn, note("MouseIn"));
        QObject::connect(&b, &VistaButton::MouseOut, note("MouseOut"));
    }

    QStringList names;
};

} // namespace

class VistaButtonTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    VistaButton *button = nullptr;
    VistaButton *other = nullptr;
    bool pointerOver = false;

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton which = Qt::LeftButton)
    {
        const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
        const Qt::MouseButtons held = press
            ? Qt::MouseButtons(which)
            : (type == QEvent::MouseMove ? heldButtons : Qt::MouseButtons());
        if (press)
            heldButtons = which;
        if (type == QEvent::MouseButtonRelease)
            heldButtons = {};
        QMouseEvent event(type, at, button->mapToGlobal(at),
            type == QEvent::MouseMove ? Qt::NoButton : which, held, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }
    Qt::MouseButtons heldButtons;

    QTimer *hoverTimer() const { return button->findChild<QTimer *>(QStringLiteral("Hover")); }

    void focusButton()
    {
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
    }

    void giveFocusElsewhere()
    {
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void newButtonHasItsDefaults();
    void maakKnopPutsANamedCaptionedButtonInItsPlace();
    void pressShowsThePressedLook();
    void holdingAndMovingOutAndBackSwitchesHoverAndPressed();
    void releaseOutsideGivesNoClick_data();
    void releaseOutsideGivesNoClick();
    void releaseInsideClicksOnce();
    void otherMouseButtonsGiveNoClick();
    void doubleClickClicksOnce();
    void everyMoveInsideRaisesMouseIn();
    void hoverEndsWhenThePointerIsElsewhere_data();
    void hoverEndsWhenThePointerIsElsewhere();
    void hoverStaysWhileThePointerIsOver();
    void hoverBegunWhileEnabledEndsWithMouseOutAfterDisabling();
    void spaceBarWorksLikeAClick_data();
    void spaceBarWorksLikeAClick();
    void onlyTheSpaceBarClicks();
    void heldSpaceBarClicksOnceOnRelease();
    void spaceBarReleaseWithoutItsPressHereGivesNoClick_data();
    void spaceBarReleaseWithoutItsPressHereGivesNoClick();
    void focusLossEndsASpaceBarPress_data();
    void focusLossEndsASpaceBarPress();
    void disabledButtonRaisesNothing();
    void focusShowsTheFocusedLookUnlessThePointerIsOver_data();
    void focusShowsTheFocusedLookUnlessThePointerIsOver();
    void enabledSwitchesBetweenNormalAndDisabled();
    void disablingTakesTheTabStopAndEnablingGivesItBack();
    void aButtonWithoutTabStopStaysWithout();
    void picturesIsKeptToOneOrTwo_data();
    void picturesIsKeptToOneOrTwo();
    void propertyChangesRepaint_data();
    void propertyChangesRepaint();
    void dropsArePassedOnWhenTheHostAllowsThem();
    void aHandlerCanRefuseADrop();
};

void VistaButtonTest::init()
{
    window = std::make_unique<QWidget>();
    window->resize(200, 100);
    button = new VistaButton(window.get());
    button->setGeometry(10, 10, 66, 24);
    other = new VistaButton(window.get());
    other->setGeometry(100, 10, 66, 24);
    pointerOver = false;
    button->setWidgetUnderPointer([this] { return pointerOver ? button : nullptr; });
    other->setWidgetUnderPointer([] { return nullptr; });
    heldButtons = {};
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void VistaButtonTest::cleanup()
{
    window.reset();
}

void VistaButtonTest::newButtonHasItsDefaults()
{
    VistaButton fresh;
    QCOMPARE(fresh.Caption(), QString());
    QCOMPARE(fresh.ForeColor(), QColor(0, 0, 0));
    QCOMPARE(fresh.font().family(), QStringLiteral("Arial"));
    QCOMPARE(fresh.Pictures(), 2);
    QVERIFY(fresh.UseMaskColor());
    QCOMPARE(fresh.MaskColor(), QColor(0, 255, 0));
    QVERIFY(fresh.isEnabled());
    QVERIFY(!fresh.NoBackground());
    QCOMPARE(fresh.PictureOffset(), 0);
    QVERIFY(fresh.Picture().isNull());
    QCOMPARE(fresh.BackColor(), fresh.palette().color(QPalette::Button));
    QCOMPARE(fresh.State(), 0);
    QVERIFY(fresh.focusPolicy() & Qt::TabFocus);

    fresh.InitProperties(QStringLiteral("VistaButton1"));
    QCOMPARE(fresh.Caption(), QStringLiteral("VistaButton1"));
}

void VistaButtonTest::maakKnopPutsANamedCaptionedButtonInItsPlace()
{
    VistaButton *made = MaakKnop(
        window.get(), QStringLiteral("OkKnop"), QStringLiteral("Ok"), QRect(12, 40, 66, 24));
    QCOMPARE(window->findChild<VistaButton *>(QStringLiteral("OkKnop")), made);
    QCOMPARE(made->parentWidget(), window.get());
    QCOMPARE(made->Caption(), QStringLiteral("Ok"));
    QCOMPARE(made->geometry(), QRect(12, 40, 66, 24));
    QCOMPARE(made->Image().size(), QSize(66, 24));
    QVERIFY(made->isEnabled());
}

void VistaButtonTest::pressShowsThePressedLook()
{
    QSignalSpy down(button, &VistaButton::MouseDown);
    mouse(QEvent::MouseButtonPress, { 10, 10 });
    QCOMPARE(button->State(), 2);
    QCOMPARE(down.size(), 1);
    QCOMPARE(down.at(0).at(0).toInt(), 1);
    QCOMPARE(down.at(0).at(2).toFloat(), 10.0f);
}

void VistaButtonTest::holdingAndMovingOutAndBackSwitchesHoverAndPressed()
{
    mouse(QEvent::MouseButtonPress, { 10, 10 });
    mouse(QEvent::MouseMove, { -5, 10 });
    QCOMPARE(button->State(), 1);
    mouse(QEvent::MouseMove, { 66, 10 });
    QCOMPARE(button->State(), 1);
    mouse(QEvent::MouseMove, { 65, 23 });
    QCOMPARE(button->State(), 2);
}

void VistaButtonTest::releaseOutsideGivesNoClick_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("expectedState");
    QTest::newRow("with the focus") << true << 3;
    QTest::newRow("without the focus") << false << 0;
}

void VistaButtonTest::releaseOutsideGivesNoClick()
{
    QFETCH(bool, focused);
    QFETCH(int, expectedState);
    if (focused)
        focusButton();
    else
        giveFocusElsewhere();
    QSignalSpy clicks(button, &VistaButton::Click);
    QSignalSpy ups(button, &VistaButton::MouseUp);

    mouse(QEvent::MouseButtonPress, { 10, 10 });
    mouse(QEvent::MouseMove, { 10, 40 });
    mouse(QEvent::MouseButtonRelease, { 10, 40 });
    QCOMPARE(button->State(), expectedState);
    QCOMPARE(ups.size(), 1);
    QCOMPARE(clicks.size(), 0);
}

void VistaButtonTest::releaseInsideClicksOnce()
{
    EventLog log(*button);
    mouse(QEvent::MouseButtonPress, { 10, 10 });
    mouse(QEvent::MouseButtonRelease, { 10, 10 });
    QCOMPARE(log.names,
        QStringList(
            { QStringLiteral("MouseDown"), QStringLiteral("MouseUp"), QStringLiteral("Click") }));
    QCOMPARE(button->State(), 1);
}

void VistaButtonTest::otherMouseButtonsGiveNoClick()
{
    QSignalSpy clicks(button, &VistaButton::Click);
    QSignalSpy downs(button, &VistaButton::MouseDown);
    mouse(QEvent::MouseButtonPress, { 10, 10 }, Qt::RightButton);
    QCOMPARE(button->State(), 2);
    mouse(QEvent::MouseButtonRelease, { 10, 10 }, Qt::RightButton);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), 2);
    QCOMPARE(clicks.size(), 0);
}

void VistaButtonTest::doubleClickClicksOnce()
{
    // As a double-click arrives: press, release, press and the double-click, release.
    EventLog log(*button);
    mouse(QEvent::MouseButtonPress, { 10, 10 });
    mouse(QEvent::MouseButtonRelease, { 10, 10 });
    mouse(QEvent::MouseButtonPress, { 10, 10 });
    mouse(QEvent::MouseButtonDblClick, { 10, 10 });
    QCOMPARE(button->State(), 2);
    mouse(QEvent::MouseButtonRelease, { 10, 10 });
    QCOMPARE(log.names,
        QStringList({ QStringLiteral("MouseDown"), QStringLiteral("MouseUp"),
            QStringLiteral("Click"), QStringLiteral("MouseDown"), QStringLiteral("MouseUp") }));
}

void VistaButtonTest::everyMoveInsideRaisesMouseIn()
{
    pointerOver = true;
    QSignalSpy in(button, &VistaButton::MouseIn);
    QSignalSpy moves(button, &VistaButton::MouseMove);
    for (int x : { 5, 6, 7 })
        mouse(QEvent::MouseMove, { double(x), 5 });
    QCOMPARE(in.size(), 3);
    QCOMPARE(moves.size(), 3);
    QCOMPARE(button->State(), 1);
    QVERIFY(hoverTimer()->isActive());
}

void VistaButtonTest::hoverEndsWhenThePointerIsElsewhere_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("expectedState");
    QTest::newRow("without the focus") << false << 0;
    QTest::newRow("with the focus") << true << 3;
}

void VistaButtonTest::hoverEndsWhenThePointerIsElsewhere()
{
    QFETCH(bool, focused);
    QFETCH(int, expectedState);
    if (focused)
        focusButton();
    else
        giveFocusElsewhere();
    pointerOver = true;
    QSignalSpy out(button, &VistaButton::MouseOut);
    mouse(QEvent::MouseMove, { 5, 5 });
    mouse(QEvent::MouseMove, { 6, 5 });
    QCOMPARE(button->State(), 1);

    // The pointer leaves without any move being reported.
    pointerOver = false;
    QTRY_COMPARE(out.size(), 1);
    QCOMPARE(button->State(), expectedState);
    QVERIFY(!hoverTimer()->isActive());

    // A new hover is a new MouseOut.
    pointerOver = true;
    mouse(QEvent::MouseMove, { 5, 5 });
    pointerOver = false;
    QTRY_COMPARE(out.size(), 2);
}

void VistaButtonTest::hoverStaysWhileThePointerIsOver()
{
    pointerOver = true;
    QSignalSpy out(button, &VistaButton::MouseOut);
    mouse(QEvent::MouseMove, { 5, 5 });
    int ticks = 0;
    connect(hoverTimer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    QTRY_VERIFY(ticks >= 3);
    QCOMPARE(out.size(), 0);
    QCOMPARE(button->State(), 1);
    QVERIFY(hoverTimer()->isActive());
}

void VistaButtonTest::hoverBegunWhileEnabledEndsWithMouseOutAfterDisabling()
{
    pointerOver = true;
    QSignalSpy out(button, &VistaButton::MouseOut);
    mouse(QEvent::MouseMove, { 5, 5 });
    button->setEnabled(false);
    pointerOver = false;
    QTRY_COMPARE(out.size(), 1);
    QCOMPARE(button->State(), 4);
}

void VistaButtonTest::spaceBarWorksLikeAClick_data()
{
    QTest::addColumn<bool>("over");
    QTest::addColumn<int>("expectedState");
    QTest::newRow("pointer elsewhere") << false << 3;
    QTest::newRow("pointer over the button") << true << 1;
}

void VistaButtonTest::spaceBarWorksLikeAClick()
{
    QFETCH(bool, over);
    QFETCH(int, expectedState);
    focusButton();
    pointerOver = over;
    EventLog log(*button);

    QTest::keyPress(button, Qt::Key_Space);
    QCOMPARE(button->State(), 2);
    QTest::keyRelease(button, Qt::Key_Space);

    const QStringList expected
        = { QStringLiteral("MouseDown"), QStringLiteral("KeyDown"), QStringLiteral("KeyPress"),
              QStringLiteral("MouseUp"), QStringLiteral("Click"), QStringLiteral("KeyUp") };
    QCOMPARE(log.names, expected);
    QCOMPARE(button->State(), expectedState);
}

void VistaButtonTest::onlyTheSpaceBarClicks()
{
    focusButton();
    EventLog log(*button);
    QSignalSpy keyDowns(button, &VistaButton::KeyDown);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_Escape }) {
        QTest::keyClick(button, key);
        QCOMPARE(button->State(), 3);
    }
    QVERIFY(!log.names.contains(QStringLiteral("Click")));
    QVERIFY(!log.names.contains(QStringLiteral("MouseDown")));
    QCOMPARE(keyDowns.size(), 4);
    QCOMPARE(keyDowns.at(0).at(0).toInt(), 13);
    QCOMPARE(keyDowns.at(2).at(0).toInt(), 65);
    QCOMPARE(keyDowns.at(3).at(0).toInt(), 27);
    // Escape stays with the button; the window does not see it.
    QVERIFY(window->isVisible());
}

void VistaButtonTest::heldSpaceBarClicksOnceOnRelease()
{
    focusButton();
    QSignalSpy clicks(button, &VistaButton::Click);
    QSignalSpy downs(button, &VistaButton::KeyDown);
    QTest::keyPress(button, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(
            QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(button, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(button, &press);
    }
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(button->State(), 2);
    QTest::keyRelease(button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.size(), 4);
}

void VistaButtonTest::spaceBarReleaseWithoutItsPressHereGivesNoClick_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("pressed elsewhere, then tabbed here") << QStringLiteral("elsewhere");
    QTest::newRow("pressed here, focus away and back") << QStringLiteral("focus");
    QTest::newRow("pressed here, disabled and enabled") << QStringLiteral("disabled");
}

void VistaButtonTest::spaceBarReleaseWithoutItsPressHereGivesNoClick()
{
    QFETCH(QString, how);
    if (how == u"elsewhere") {
        giveFocusElsewhere();
        QTest::keyPress(window.get(), Qt::Key_Space);
    } else {
        focusButton();
        QTest::keyPress(button, Qt::Key_Space);
        QCOMPARE(button->State(), 2);
        if (how == u"focus") {
            giveFocusElsewhere();
        } else {
            button->setEnabled(false);
            button->setEnabled(true);
        }
    }
    focusButton();
    EventLog log(*button);
    QTest::keyRelease(button, Qt::Key_Space);
    QCOMPARE(log.names, QStringList { QStringLiteral("KeyUp") });
    QCOMPARE(button->State(), 3);
}

void VistaButtonTest::focusLossEndsASpaceBarPress_data()
{
    QTest::addColumn<bool>("over");
    QTest::addColumn<int>("expectedState");
    QTest::newRow("pointer elsewhere") << false << 0;
    QTest::newRow("pointer over the button") << true << 1;
}

void VistaButtonTest::focusLossEndsASpaceBarPress()
{
    QFETCH(bool, over);
    QFETCH(int, expectedState);
    focusButton();
    pointerOver = over;
    QTest::keyPress(button, Qt::Key_Space);
    QCOMPARE(button->State(), 2);
    giveFocusElsewhere();
    QCOMPARE(button->State(), expectedState);
    // The pointer comes over the button with nothing held: the hover look, not the pressed one.
    pointerOver = true;
    mouse(QEvent::MouseMove, { 5, 5 });
    QCOMPARE(button->State(), 1);
}

void VistaButtonTest::disabledButtonRaisesNothing()
{
    focusButton();
    button->setEnabled(false);
    pointerOver = true;
    EventLog log(*button);
    QTest::keyPress(button, Qt::Key_Space);
    QTest::keyRelease(button, Qt::Key_Space);
    mouse(QEvent::MouseMove, { 5, 5 });
    mouse(QEvent::MouseButtonPress, { 5, 5 });
    mouse(QEvent::MouseButtonRelease, { 5, 5 });
    QCOMPARE(log.names, QStringList());
    QCOMPARE(button->State(), 4);
    QVERIFY(!hoverTimer()->isActive());
}

void VistaButtonTest::focusShowsTheFocusedLookUnlessThePointerIsOver_data()
{
    QTest::addColumn<bool>("over");
    QTest::addColumn<int>("focusedState");
    QTest::addColumn<int>("unfocusedState");
    QTest::newRow("pointer elsewhere") << false << 3 << 0;
    QTest::newRow("pointer over the button") << true << 1 << 1;
}

void VistaButtonTest::focusShowsTheFocusedLookUnlessThePointerIsOver()
{
    QFETCH(bool, over);
    QFETCH(int, focusedState);
    QFETCH(int, unfocusedState);
    if (over) {
        pointerOver = true;
        mouse(QEvent::MouseMove, { 5, 5 });
    }
    focusButton();
    QCOMPARE(button->State(), focusedState);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(button->State(), unfocusedState);
    QCOMPARE(other->State(), 3);
}

void VistaButtonTest::enabledSwitchesBetweenNormalAndDisabled()
{
    focusButton();
    QCOMPARE(button->State(), 3);
    button->setEnabled(false);
    QCOMPARE(button->State(), 4);
    button->setEnabled(true);
    QCOMPARE(button->State(), 0);
}

void VistaButtonTest::disablingTakesTheTabStopAndEnablingGivesItBack()
{
    button->setEnabled(false);
    QVERIFY(!(button->focusPolicy() & Qt::TabFocus));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    button->setEnabled(true);
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    // Tabbing from the other button now reaches this one again.
    QTest::keyClick(other, Qt::Key_Tab);
    QTRY_VERIFY(button->hasFocus());
}

void VistaButtonTest::aButtonWithoutTabStopStaysWithout()
{
    button->setFocusPolicy(Qt::ClickFocus);
    button->setEnabled(false);
    button->setEnabled(true);
    QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
}

void VistaButtonTest::picturesIsKeptToOneOrTwo_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("-3") << -3 << 1;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 2;
    QTest::newRow("5") << 5 << 2;
}

void VistaButtonTest::picturesIsKeptToOneOrTwo()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    button->setPictures(value);
    QCOMPARE(int(button->Pictures()), stored);
}

void VistaButtonTest::propertyChangesRepaint_data()
{
    QTest::addColumn<QString>("property");
    for (const char *name : { "Caption", "ForeColor", "BackColor", "NoBackground", "Picture",
             "MaskColor", "UseMaskColor", "Pictures", "Font" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void VistaButtonTest::propertyChangesRepaint()
{
    QFETCH(QString, property);
    // A picture whose frames and mask differ, so every picture property shows.
    QImage strip(40, 10, QImage::Format_RGB32);
    strip.fill(QColor(0, 0, 200));
    for (int x = 20; x < 40; ++x)
        strip.setPixel(x, 5, qRgb(200, 0, 0));
    strip.setPixel(12, 5, qRgb(0, 255, 0));
    button->setCaption(QStringLiteral("Knop"));
    if (property != u"Picture")
        button->setPicture(strip);
    button->setPictures(1);
    // The full body covers the background colour; without it the colour shows.
    if (property == u"BackColor")
        button->setNoBackground(true);
    const QImage before = button->Image().copy();

    if (property == u"Caption")
        button->setCaption(QStringLiteral("Anders"));
    else if (property == u"ForeColor")
        button->setForeColor(QColor(200, 0, 0));
    else if (property == u"BackColor")
        button->setBackColor(QColor(10, 20, 30));
    else if (property == u"NoBackground")
        button->setNoBackground(true);
    else if (property == u"Picture")
        button->setPicture(strip);
    else if (property == u"MaskColor")
        button->setMaskColor(QColor(0, 0, 200));
    else if (property == u"UseMaskColor")
        button->setUseMaskColor(false);
    else if (property == u"Pictures")
        button->setPictures(2);
    else if (property == u"Font")
        button->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    QVERIFY(button->Image() != before);
}

void VistaButtonTest::dropsArePassedOnWhenTheHostAllowsThem()
{
    button->setAcceptDrops(true);
    QMimeData data;
    data.setText(QStringLiteral("tekst"));
    int seenState = -1;
    const QMimeData *seenData = nullptr;
    connect(button, &VistaButton::OLEDragOver, this,
        [&](const QMimeData *d, int &, int, int, float, float, int state) {
            seenData = d;
            seenState = state;
        });
    int drops = 0;
    connect(button, &VistaButton::OLEDragDrop, this,
        [&drops](const QMimeData *, int &, int, int, float, float) { ++drops; });

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(seenState, 0);
    QCOMPARE(seenData, &data);

    QDragMoveEvent move(QPoint(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &move);
    QCOMPARE(seenState, 2);

    QDropEvent drop(QPointF(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &drop);
    QCOMPARE(drops, 1);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

void VistaButtonTest::aHandlerCanRefuseADrop()
{
    button->setAcceptDrops(true);
    QMimeData data;
    connect(button, &VistaButton::OLEDragOver, this,
        [](const QMimeData *, int &effect, int, int, float, float, int) { effect = 0; });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(!enter.isAccepted());
}

QTEST_MAIN(VistaButtonTest)
#include "tst_vistabutton.moc"
