#include "controls/VistaButton.h"

#include "controls/PropertyStore.h"
#include "controls/VbInput.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

constexpr int normalState = 0;
constexpr int hoverState = 1;
constexpr int pressedState = 2;
constexpr int focusedState = 3;
constexpr int disabledState = 4;

constexpr int spaceBar = 32;
constexpr int hoverInterval = 10;

constexpr OleColour green = 0x00FF00u;

// The stored extent is in hundredths of a millimetre, at 96 pixels to the inch.
int extentFromPixels(int pixels)
{
    return static_cast<int>(std::nearbyint(pixels * 2540.0 / 96.0));
}

int pixelsFromExtent(qint64 extent)
{
    return static_cast<int>(std::nearbyint(double(extent) * 96.0 / 2540.0));
}

qint16 shortOr(qint64 value, qint16 fallback)
{
    const bool fits = value >= std::numeric_limits<qint16>::min()
        && value <= std::numeric_limits<qint16>::max();
    return fits ? qint16(value) : fallback;
}

// Colours are written as signed 32-bit numbers; unsigned ones are read as well.
OleColour colourOr(qint64 value, OleColour fallback)
{
    const bool fits = value >= std::numeric_limits<qint32>::min()
        && value <= qint64(std::numeric_limits<quint32>::max());
    return fits ? OleColour(quint32(value)) : fallback;
}

qint64 colourNumber(OleColour colour)
{
    return qint32(colour);
}

} // namespace

VistaButton::VistaButton(QWidget *parent)
    : QWidget(parent)
    , m_hover(new QTimer(this))
    , m_widgetUnderPointer([] { return QApplication::widgetAt(QCursor::pos()); })
{
    m_hover->setObjectName(QStringLiteral("Hover"));
    m_hover->setInterval(hoverInterval);
    connect(m_hover, &QTimer::timeout, this, &VistaButton::HoverTick);

    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setFont(font());
    InitProperties(QString());
}

void VistaButton::setPictureOffset(qint16 offset)
{
    m_pictureOffset = offset;
}

QColor VistaButton::BackColor() const
{
    return QColor::fromRgb(resolveOleColour(m_backColor, palette()));
}

void VistaButton::setBackColor(const QColor &colour)
{
    m_backColor = toOleColour(colour);
    Redraw();
}

void VistaButton::setNoBackground(bool noBackground)
{
    m_noBackground = noBackground;
    Redraw();
}

QColor VistaButton::MaskColor() const
{
    return QColor::fromRgb(resolveOleColour(m_maskColor, palette()));
}

void VistaButton::setMaskColor(const QColor &colour)
{
    m_maskColor = toOleColour(colour);
    Redraw();
}

void VistaButton::setUseMaskColor(bool use)
{
    m_useMaskColor = use;
    Redraw();
}

void VistaButton::setPictures(int frames)
{
    m_pictures = qint16(std::clamp(frames, 1, 2));
    Redraw();
}

void VistaButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    PreparePicture();
    Redraw();
}

QColor VistaButton::ForeColor() const
{
    return QColor::fromRgb(resolveOleColour(m_foreColor, palette()));
}

void VistaButton::setForeColor(const QColor &colour)
{
    m_foreColor = toOleColour(colour);
    Redraw();
}

void VistaButton::setCaption(const QString &caption)
{
    m_caption = caption;
    Redraw();
}

void VistaButton::setWidgetUnderPointer(WidgetUnderPointer probe)
{
    m_widgetUnderPointer = std::move(probe);
}

ButtonLook VistaButton::Look() const
{
    const QPalette &colours = palette();
    return ButtonLook {
        .caption = m_caption,
        .foreColour = resolveOleColour(m_foreColor, colours),
        .backColour = resolveOleColour(m_backColor, colours),
        .noBackground = m_noBackground,
        .strip = m_strip,
        .pictures = m_pictures,
        .pictureOffset = m_pictureOffset,
        .pressed = m_pressed,
        .useMaskColour = m_useMaskColor,
        .maskColour = resolveOleColour(m_maskColor, colours),
    };
}

void VistaButton::DrawButton(int state)
{
    Paint(state);
}

void VistaButton::Paint(int state) const
{
    m_surface.resize(size());
    const ButtonLook look = Look();
    ButtonPainter(m_surface, look).DrawButton(state);
    m_drawn = true;
}

const QImage &VistaButton::Image() const
{
    if (!m_drawn)
        Paint(m_state);
    return m_surface.image();
}

void VistaButton::Redraw()
{
    m_drawn = false;
    if (size() != m_lastSize) {
        setMask(MakeRegion(size()));
        m_lastSize = size();
    }
    update();
}

bool VistaButton::SetState(int state)
{
    if (state == m_state)
        return false;
    m_state = state;
    Redraw();
    return true;
}

// The pressed flag moves the picture, so a change shows even when the look stays the same.
void VistaButton::SetPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    Redraw();
}

bool VistaButton::IsMouseOver() const
{
    return m_widgetUnderPointer && m_widgetUnderPointer() == this;
}

bool VistaButton::IsInside(float x, float y) const
{
    return x >= 0 && x < width() && y >= 0 && y < height();
}

void VistaButton::HoverStart()
{
    if (!m_hover->isActive())
        m_hover->start();
}

void VistaButton::HoverStop()
{
    if (!m_hover->isActive())
        return;
    m_hover->stop();
    if (isEnabled() && !m_pressed)
        SetState(m_hasFocus ? focusedState : normalState);
    Q_EMIT MouseOut();
}

void VistaButton::HoverTick()
{
    if (!IsMouseOver())
        HoverStop();
}

void VistaButton::UpdateTabStop()
{
    const bool tabStop = focusPolicy() & Qt::TabFocus;
    if (!isEnabled()) {
        if (tabStop) {
            m_savedFocusPolicy = focusPolicy();
            setFocusPolicy(Qt::FocusPolicy(focusPolicy() & ~Qt::TabFocus));
            m_tabStopTaken = true;
        }
    } else if (m_tabStopTaken && focusPolicy() != m_savedFocusPolicy) {
        setFocusPolicy(m_savedFocusPolicy);
    }
}

void VistaButton::PreparePicture()
{
    if (m_picture.isNull() || m_picture.width() <= 0 || m_picture.height() <= 0) {
        m_strip = QImage();
        return;
    }
    // Converted once here, so every paint copies plain 32-bit pixels.
    m_strip = m_picture.convertToFormat(QImage::Format_RGB32);
}

void VistaButton::InitProperties(const QString &name)
{
    m_foreColor = 0;
    m_caption = name;
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);
    m_pictures = 2;
    m_useMaskColor = true;
    m_maskColor = green;
    setEnabled(true);
    Redraw();
}

void VistaButton::WriteProperties(PropertyStore &store) const
{
    store.write(QStringLiteral("_extentx"), qint64(extentFromPixels(width())));
    store.write(QStringLiteral("_extenty"), qint64(extentFromPixels(height())));
    store.write(QStringLiteral("caption"), m_caption);
    store.write(QStringLiteral("forecolor"), colourNumber(m_foreColor));
    store.write(QStringLiteral("font"), font());
    store.write(QStringLiteral("picture"), m_picture);
    store.write(QStringLiteral("pictures"), qint64(m_pictures));
    store.write(QStringLiteral("usemaskcolor"), m_useMaskColor);
    store.write(QStringLiteral("maskcolor"), colourNumber(m_maskColor));
    store.write(QStringLiteral("enabled"), !testAttribute(Qt::WA_ForceDisabled));
    store.write(QStringLiteral("nobackground"), m_noBackground);
    store.write(QStringLiteral("backcolor"), colourNumber(m_backColor));
    store.write(QStringLiteral("pictureoffset"), qint64(m_pictureOffset));
}

void VistaButton::ReadProperties(const PropertyStore &store)
{
    const qint64 extentX = store.readNumber(QStringLiteral("_extentx"), -1);
    const qint64 extentY = store.readNumber(QStringLiteral("_extenty"), -1);
    if (extentX >= 0 && extentY >= 0 && extentX <= 1'000'000 && extentY <= 1'000'000)
        resize(pixelsFromExtent(extentX), pixelsFromExtent(extentY));

    m_caption = store.readText(QStringLiteral("caption"), m_caption);
    m_foreColor = colourOr(store.readNumber(QStringLiteral("forecolor"), m_foreColor), m_foreColor);
    setFont(store.readFont(QStringLiteral("font"), font()));
    m_picture = store.readPicture(QStringLiteral("picture"), m_picture);
    // Taken as stored, unlike the property: a third frame serves the pressed look.
    m_pictures = shortOr(store.readNumber(QStringLiteral("pictures"), m_pictures), m_pictures);
    m_useMaskColor = store.readFlag(QStringLiteral("usemaskcolor"), m_useMaskColor);
    m_maskColor = colourOr(store.readNumber(QStringLiteral("maskcolor"), m_maskColor), m_maskColor);
    const bool enabled
        = store.readFlag(QStringLiteral("enabled"), !testAttribute(Qt::WA_ForceDisabled));
    m_noBackground = store.readFlag(QStringLiteral("nobackground"), m_noBackground);
    m_backColor
        = colourOr(store.readNumber(QStringLiteral("backcolor"), oleButtonFace), oleButtonFace);
    m_pictureOffset = shortOr(
        store.readNumber(QStringLiteral("pictureoffset"), m_pictureOffset), m_pictureOffset);

    PreparePicture();
    setEnabled(enabled);
    if (!isEnabled())
        m_state = disabledState;
    UpdateTabStop();
    Redraw();
}

void VistaButton::paintEvent(QPaintEvent *event)
{
    const QImage &drawing = Image();
    if (drawing.isNull())
        return;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, drawing, area);
}

void VistaButton::resizeEvent(QResizeEvent *)
{
    Redraw();
}

void VistaButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (isEnabled()) {
            m_state = normalState;
        } else {
            // No release reaches a disabled button, so a press in progress ends here.
            m_state = disabledState;
            m_pressed = false;
            m_clickArmed = false;
            m_spaceDown = false;
        }
        UpdateTabStop();
        Redraw();
        break;
    case QEvent::FontChange:
        m_surface.setFont(font());
        Redraw();
        break;
    case QEvent::PaletteChange:
        Redraw();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void VistaButton::HandleMouseDown(int button, int shift, float x, float y)
{
    if (!isEnabled())
        return;
    const QPointer<VistaButton> alive(this);
    Q_EMIT MouseDown(button, shift, x, y);
    if (!alive || !isEnabled())
        return;
    SetPressed(true);
    SetState(pressedState);
}

void VistaButton::HandleMouseMove(int button, int shift, float x, float y)
{
    if (!isEnabled())
        return;
    const QPointer<VistaButton> alive(this);
    Q_EMIT MouseMove(button, shift, x, y);
    if (!alive || !isEnabled())
        return;
    if (IsInside(x, y)) {
        Q_EMIT MouseIn();
        if (!alive || !isEnabled())
            return;
        SetState(m_pressed ? pressedState : hoverState);
        // Every hover look has its timer, so it always ends when the pointer leaves.
        HoverStart();
    } else {
        // Only a held mouse button reports moves outside.
        SetState(hoverState);
    }
}

void VistaButton::HandleMouseUp(int button, int shift, float x, float y)
{
    if (!isEnabled())
        return;
    const QPointer<VistaButton> alive(this);
    Q_EMIT MouseUp(button, shift, x, y);
    if (!alive || !isEnabled())
        return;
    SetPressed(false);
    if (IsInside(x, y)) {
        SetState(hoverState);
        HoverStart();
    } else {
        SetState(m_hasFocus ? focusedState : normalState);
    }
}

void VistaButton::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    HandleMouseDown(
        vbButtons(event->button()), vbShift(event->modifiers()), float(at.x()), float(at.y()));
    if (event->button() == Qt::LeftButton)
        m_clickArmed = m_pressed;
}

void VistaButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click came as a press just before and shows the pressed look;
    // it raises no second Click. Without that press (some platforms send the double-click alone)
    // it is handled as one here, still without a Click.
    if (!m_pressed) {
        const QPointF at = event->position();
        HandleMouseDown(
            vbButtons(event->button()), vbShift(event->modifiers()), float(at.x()), float(at.y()));
    }
    if (event->button() == Qt::LeftButton)
        m_clickArmed = false;
}

void VistaButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    HandleMouseMove(
        vbButtons(event->buttons()), vbShift(event->modifiers()), float(at.x()), float(at.y()));
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const bool left = event->button() == Qt::LeftButton;
    const bool armed = left && m_clickArmed;
    if (left)
        m_clickArmed = false;
    const QPointer<VistaButton> alive(this);
    HandleMouseUp(
        vbButtons(event->button()), vbShift(event->modifiers()), float(at.x()), float(at.y()));
    if (alive && armed && isEnabled() && IsInside(float(at.x()), float(at.y())))
        Q_EMIT Click();
}

void VistaButton::keyPressEvent(QKeyEvent *event)
{
    // The space bar works the button; every other key is reported and then goes on to the
    // window, so Escape still closes a dialog whose button has the focus.
    if (event->key() == Qt::Key_Space)
        event->accept();
    else
        event->ignore();
    const int keyCode = vbKeyCode(event->key());
    const int shift = vbShift(event->modifiers());
    const QPointer<VistaButton> alive(this);
    if (keyCode == spaceBar) {
        HandleMouseDown(0, 0, 0, 0);
        if (alive && m_pressed)
            m_spaceDown = true;
    }
    if (!alive || !isEnabled())
        return;
    Q_EMIT KeyDown(keyCode, shift);
    const QString text = event->text();
    if (!alive || !isEnabled() || text.size() != 1 || text[0].unicode() > 255)
        return;
    Q_EMIT KeyPress(text[0].unicode());
}

void VistaButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        event->accept();
    else
        event->ignore();
    // A held key repeats its presses only; the button works once, on the real release.
    if (event->isAutoRepeat())
        return;
    const int keyCode = vbKeyCode(event->key());
    const int shift = vbShift(event->modifiers());
    const QPointer<VistaButton> alive(this);
    // A space bar held down elsewhere and let go here is no click.
    if (keyCode == spaceBar && m_spaceDown) {
        m_spaceDown = false;
        HandleMouseUp(0, 0, IsMouseOver() ? 0 : -1, 0);
        if (!alive || !isEnabled())
            return;
        Q_EMIT Click();
    }
    if (alive && isEnabled())
        Q_EMIT KeyUp(keyCode, shift);
}

void VistaButton::focusInEvent(QFocusEvent *)
{
    m_hasFocus = true;
    if (!IsMouseOver() && isEnabled() && !m_pressed)
        SetState(focusedState);
}

void VistaButton::focusOutEvent(QFocusEvent *)
{
    m_hasFocus = false;
    // The release of the space bar now goes to another widget, so its press ends here.
    if (m_spaceDown) {
        m_spaceDown = false;
        if (!m_clickArmed) {
            SetPressed(false);
            if (isEnabled() && IsMouseOver())
                SetState(hoverState);
        }
    }
    if (!IsMouseOver() && isEnabled())
        SetState(normalState);
}

void VistaButton::PassDragOver(QDragMoveEvent *event, int dragState)
{
    if (!isEnabled())
        return event->ignore();
    int effect = vbDropEffect(event->possibleActions());
    const QPointF at = event->position();
    Q_EMIT OLEDragOver(event->mimeData(), effect, vbButtons(event->buttons()),
        vbShift(event->modifiers()), float(at.x()), float(at.y()), dragState);
    const Qt::DropAction action
        = qtDropAction(effect, event->proposedAction(), event->possibleActions());
    if (action == Qt::IgnoreAction)
        return event->ignore();
    event->setDropAction(action);
    event->accept();
}

void VistaButton::dragEnterEvent(QDragEnterEvent *event)
{
    PassDragOver(event, 0);
}

void VistaButton::dragMoveEvent(QDragMoveEvent *event)
{
    PassDragOver(event, 2);
}

void VistaButton::dragLeaveEvent(QDragLeaveEvent *)
{
    if (!isEnabled())
        return;
    int effect = 0;
    const QPointF at = mapFromGlobal(QCursor::pos());
    Q_EMIT OLEDragOver(nullptr, effect, vbButtons(QGuiApplication::mouseButtons()),
        vbShift(QGuiApplication::keyboardModifiers()), float(at.x()), float(at.y()), 1);
}

void VistaButton::dropEvent(QDropEvent *event)
{
    if (!isEnabled())
        return event->ignore();
    int effect = vbDropEffect(event->possibleActions());
    const QPointF at = event->position();
    Q_EMIT OLEDragDrop(event->mimeData(), effect, vbButtons(event->buttons()),
        vbShift(event->modifiers()), float(at.x()), float(at.y()));
    const Qt::DropAction action
        = qtDropAction(effect, event->proposedAction(), event->possibleActions());
    if (action == Qt::IgnoreAction)
        return event->ignore();
    event->setDropAction(action);
    event->accept();
}
