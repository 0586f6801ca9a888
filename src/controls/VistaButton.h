#pragma once

#include "controls/ButtonPainter.h"
#include "controls/OleColour.h"
#include "platform/Surface.h"

#include <QImage>
#include <QWidget>

#include <functional>

class PropertyStore;
class QMimeData;
class QTimer;

// The program's push button: a self-drawn control with a caption, an optional picture strip
// and five looks (0 normal, 1 hover, 2 pressed, 3 focused, 4 disabled). It tracks the pointer
// with a short timer so the hover look ends even when no move outside is reported, and the
// space bar works it like the mouse. Enabled, font and tooltip are the widget's own.
class VistaButton : public QWidget {
    Q_OBJECT

public:
    explicit VistaButton(QWidget *parent = nullptr);

    // Shifts the picture of the pressed look right and down; shows from the next repaint on.
    qint16 PictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(qint16 offset);

    QColor BackColor() const;
    void setBackColor(const QColor &colour);

    // Without a background only the hover and pressed looks draw the button body.
    bool NoBackground() const { return m_noBackground; }
    void setNoBackground(bool noBackground);

    QColor MaskColor() const;
    void setMaskColor(const QColor &colour);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);

    // Frames in the picture strip: normal, disabled, pressed. Setting keeps it within 1..2.
    qint16 Pictures() const { return m_pictures; }
    void setPictures(int frames);

    // A strip of frames side by side, in pixels; a null image means no picture.
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    QColor ForeColor() const;
    void setForeColor(const QColor &colour);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    int State() const { return m_state; }
    // The button's persistent drawing, as the screen shows it.
    const QImage &Image() const;
    // Paints the whole button in `state` onto its drawing, without showing it. The picture
    // moves and takes its pressed frame only while the button is really pressed.
    void DrawButton(int state);

    // The defaults of a button placed for the first time, captioned with its name.
    void InitProperties(const QString &name);
    // All properties and the extent, always all of them, in a fixed order.
    void WriteProperties(PropertyStore &store) const;
    // Each missing property keeps its present value.
    void ReadProperties(const PropertyStore &store);

    // Where to ask which widget lies under the pointer; the hover look ends when it is not
    // this button. Tests put their own answer here.
    using WidgetUnderPointer = std::function<QWidget *()>;
    void setWidgetUnderPointer(WidgetUnderPointer probe);

Q_SIGNALS:
    void Click();
    // The button never starts a drag of its own, so these four are never raised.
    void OLECompleteDrag(int &Effect);
    void OLEGiveFeedback(int &Effect, bool &DefaultCursors);
    void OLESetData(QMimeData *Data, int DataFormat);
    void OLEStartDrag(QMimeData *Data, int &AllowedEffects);
    // Raised for drags over the button once the host allows drops (setAcceptDrops). A handler
    // may change Effect: 0 refuses the drop. State: 0 enter, 1 leave, 2 over.
    void OLEDragDrop(const QMimeData *Data, int &Effect, int Button, int Shift, float X, float Y);
    void OLEDragOver(
        const QMimeData *Data, int &Effect, int Button, int Shift, float X, float Y, int State);
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // MouseIn comes with every pointer move inside; MouseOut once when the hover ends.
    void MouseIn();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Redraw();
    void Paint(int state) const;
    bool SetState(int state);
    void SetPressed(bool pressed);
    bool IsMouseOver() const;
    bool IsInside(float x, float y) const;
    void HoverStart();
    void HoverStop();
    void HoverTick();
    void UpdateTabStop();
    void PreparePicture();
    void HandleMouseDown(int button, int shift, float x, float y);
    void HandleMouseMove(int button, int shift, float x, float y);
    void HandleMouseUp(int button, int shift, float x, float y);
    void PassDragOver(QDragMoveEvent *event, int dragState);
    ButtonLook Look() const;

    QString m_caption;
    OleColour m_foreColor = 0;
    OleColour m_backColor = oleButtonFace;
    QImage m_picture;
    QImage m_strip;
    qint16 m_pictures = 0;
    bool m_useMaskColor = false;
    OleColour m_maskColor = 0;
    bool m_noBackground = false;
    qint16 m_pictureOffset = 0;
    bool m_hasFocus = false;
    Qt::FocusPolicy m_savedFocusPolicy = Qt::StrongFocus;
    bool m_tabStopTaken = false;
    QTimer *m_hover = nullptr;
    int m_state = 0;
    bool m_pressed = false;
    // A left press on the button that its release may turn into a Click.
    bool m_clickArmed = false;
    // A space bar press on the button: only its own release clicks.
    bool m_spaceDown = false;
    QSize m_lastSize;
    // The drawing is made when it is first looked at after a change, not at every change:
    // a window sets several properties of each button while it is built, and paints once.
    mutable Surface m_surface;
    mutable bool m_drawn = false;
    WidgetUnderPointer m_widgetUnderPointer;
};
