#pragma once
// The control kinds of a screen. Each is a small widget that adds what the lessons
// rely on: a name and an index in a control array, geometry in twips, a caption
// whose change is signalled at once and only on a real change, click and
// double-click signals, colours, border and 3D look, a picture, a custom pointer.
// Tests and tools read them through Qt properties (see ARCHITECTURE.md).

#include "app/layout.h"
#include "app/twips.h"

#include <QAction>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

class QKeyEvent;
class QMouseEvent;

namespace sd {

namespace detail {
struct CaptionStyle;
}

// Turns a control's mouse presses and releases into clicks, the same way for
// every kind: a click is a left press and a left release over the control; a
// double click counts only with the left button.
class ClickTracker {
public:
    void press(const QMouseEvent* e);
    // True when this release completes a click on `over`.
    bool release(const QMouseEvent* e, const QWidget* over);
    static bool doubleClick(const QMouseEvent* e);

private:
    bool pressed_ = false;
};

// What every control has, whatever Qt class it is built on.
class Control {
public:
    explicit Control(QWidget* self) : self_(self) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& controlName() const { return name_; }
    int controlIndex() const { return index_; }

    QRect twips() const { return tw_; }
    void setTwips(const QRect& tw);
    // The geometry the stored layout gave the control, whatever it has now.
    QRect storedTwips() const { return stored_; }
    int left() const { return tw_.x(); }
    int top() const { return tw_.y(); }
    int twipsWidth() const { return tw_.width(); }
    int twipsHeight() const { return tw_.height(); }
    void setLeft(int left);
    void setTop(int top);
    void setTwipsWidth(int width);
    void setTwipsHeight(int height);
    // The scale its twips are shown at: its screen's (the program's zoom for a
    // control standing on no screen).
    twips::Scale scale() const;
    // Recomputes the widget's pixel geometry and font size for the scale, after
    // its screen's scale changed. The twips stay as they are.
    void applyScale();
    // The control's font at the stored size: text measured with it gives the
    // same twips at any zoom, and with either digits.
    QFont storedFont() const;
    // Draws its numbers with the digits the program shows now (fonts::easternDigits).
    void applyDigits();
    // Whether its caption, drawn at its present size and scale, shows whole.
    virtual bool captionShowsWhole() const { return true; }

    bool rightToLeft() const { return rtl_; }

    // Applies the parts of a stored control every kind shares, then the kind's own.
    void configure(const ControlSpec& stored, bool rightToLeft, const FontSpec& screenFont);

    QWidget* widget() const { return self_; }

    // What a screen reader calls the control when its caption does not say it
    // all: a name, or a pattern whose "%1" the caption fills ("الدرجة %1 من 10").
    QString spokenName() const { return spoken_; }
    void setSpokenName(const QString& spoken);

protected:
    virtual void configureKind(const ControlSpec& stored) = 0;
    // Pixel geometry for the twips rectangle; lines override it.
    virtual QRect pixelGeometry() const;
    void applyGeometry();
    // A mouse position on this control, in twips.
    QPoint twipsAt(const QPointF& px) const { return scale().fromPx(px); }
    void setPointer(const QString& pictureName);
    // Screen readers get the caption; without one, the name the stored layout
    // gives, or else the tooltip.
    void refreshAccessibleName(const QString& caption);
    // A label or image the pupil presses is a tab stop, pressed with Space or
    // Enter as with a click; it never takes the focus from a click, so a box
    // the pupil is writing in keeps it.
    void makePressable(bool on);
    // True when the key presses a pressable control.
    bool pressesMe(const QKeyEvent* e) const;

    QWidget* self_;
    QString name_;
    int index_ = -1;
    QRect tw_;
    QRect stored_;
    double fontPoints_ = 8.25;
    QStringList families_; // the stored font's faces, without a digits face
    bool rtl_ = true;
    QString spoken_;  // the stored accessible name
    QString caption_; // the caption the name was last made from
};

// "Label5(2)" for an element of a control array, "Label5" otherwise.
QString objectNameFor(const QString& name, int index);

// On a right-to-left screen a caption reads right to left unless its first
// letter is Latin; text with no letter at all ("{", "7", "، }") follows the screen.
Qt::LayoutDirection readingDirection(const QString& text, bool rightToLeft);

// Eastern Arabic (U+0660..U+0669) and Persian (U+06F0..U+06F9) digits as the
// digits 0-9; every other character as it is.
QString westernDigits(QString text);

class Label : public QLabel, public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool opaque READ isOpaque WRITE setOpaque)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);
    int borderStyle() const { return border_; }
    void setBorderStyle(int style);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    Align alignment() const { return align_; }
    void setAlignment(Align a);
    bool autoSize() const { return autoSize_; }

    // The absolute alignment flags the caption is drawn with.
    Qt::Alignment drawAlignment() const;

    // Runs of two or more blanks in a caption are places for other controls: the
    // numbers of a description stand over them. Each blank of such a run can be
    // drawn wider by a number of pixels; the words keep their own spacing. These
    // pixels, and captionX, are those of the stored size (15 twips each), so that
    // what is placed by them keeps its twips at any zoom.
    int blankRunSpacing() const { return blankSpacing_; }
    void setBlankRunSpacing(int px);
    // The runs, in reading order: [start, end) of each in the caption.
    QList<std::pair<int, int>> blankRuns() const;
    // Widens the runs, a pixel a blank at a time and at most `most`, until run n
    // is at least needed[n] pixels wide, for every n that `needed` holds.
    void widenBlankRuns(const QList<double>& needed, int most);
    // Where the caret before caption position `position` stands, as drawn: pixels
    // from the label's left edge.
    double captionX(int position) const;
    bool captionShowsWhole() const override;

signals:
    void captionChanged(const QString& caption);
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint twipsPos);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void fitToCaption();
    detail::CaptionStyle captionStyle(double scale) const;
    QRect captionRect() const;

    QString caption_;
    QColor back_{0xC0, 0xC0, 0xC0};
    QColor fore_{Qt::black};
    int border_ = 0;
    bool opaque_ = false;
    bool autoSize_ = false;
    bool wordWrap_ = true;
    Align align_ = Align::Start;
    int blankSpacing_ = 0;
    ClickTracker clicks_;
};

class TextBox : public QLineEdit, public Control {
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit TextBox(QWidget* parent = nullptr);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);
    int borderStyle() const { return border_; }
    void setBorderStyle(int style);
    int appearance() const { return appearance_; }
    void setAppearance(int look);
    // Whether digits from any keyboard become 0-9 as they arrive (typed, pasted,
    // composed or dropped): on for answer boxes, off for free text.
    bool westernDigits() const { return validator() != nullptr; }
    void setWesternDigits(bool on);
    // What makes this box the screen's current box; such a box wears a bright
    // frame round it, drawn beside it so that its own colours and border stay
    // exactly what the lesson set.
    void setCurrentMark(const CurrentBoxMark& mark);
    bool isCurrentBox() const;
    // A judged box: its verdict's colour, and the verdict a screen reader says of
    // it (its description), until the lesson colours the box again.
    void judge(const QColor& colour, const QString& spoken);

signals:
    void clicked();
    void doubleClicked();
    void gotFocus();
    void mouseDown(Qt::MouseButton button, QPoint twipsPos);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void refreshFrame();
    void refreshPalette();
    void refreshCurrentFrame();

    CurrentBoxMark mark_{};
    QPointer<QWidget> currentFrame_; // made when the box first becomes current
    QColor verdictColour_;           // the colour the spoken verdict goes with
    QColor back_{Qt::white};
    QColor fore_{Qt::black};
    int border_ = 1;
    int appearance_ = 1;
    ClickTracker clicks_;
};

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);
    int appearance() const { return appearance_; }
    void setAppearance(int look);
    QString picture() const { return picture_; }
    void setPicture(const QString& name);
    bool captionShowsWhole() const override;

signals:
    void captionChanged(const QString& caption);
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint twipsPos);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // Where the caption goes: below the picture, if there is one; pressed, a
    // pixel down and to the right.
    QRect captionArea(bool sunken, QRect* picture = nullptr) const;
    detail::CaptionStyle captionStyle() const;

    QColor back_{0xC0, 0xC0, 0xC0};
    QColor fore_{Qt::black};
    int appearance_ = 1;
    QString picture_;
};

// A picture, drawn at its natural size or stretched to the control.
class Image : public QWidget, public Control {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit Image(QWidget* parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString& name);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    // A single-line frame around the picture (or around nothing, when the
    // image is empty), in the border colour: black unless the layout says.
    int borderStyle() const { return border_; }
    void setBorderStyle(int style);
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& c);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint twipsPos);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString picture_;
    bool stretch_ = false;
    int border_ = 0;
    QColor borderColor_ = Qt::black;
    ClickTracker clicks_;
};

class PictureBox : public QWidget, public Control {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString& name);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    int borderStyle() const { return border_; }
    void setBorderStyle(int style);
    int appearance() const { return appearance_; }
    void setAppearance(int look);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint twipsPos);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QString picture_;
    QColor back_{0xC0, 0xC0, 0xC0};
    int border_ = 1;
    int appearance_ = 1;
    ClickTracker clicks_;
};

// Rectangles, squares, ovals and circles, plain or rounded, with hatch fills.
// A shape is decoration: the mouse goes through it to the screen.
class Shape : public QWidget, public Control {
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(bool opaque READ isOpaque WRITE setOpaque)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit Shape(QWidget* parent = nullptr);

    QColor borderColor() const { return border_; }
    void setBorderColor(const QColor& c);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& c);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    ShapeKind shapeKind() const { return kind_; }
    Fill fill() const { return fill_; }
    int borderWidth() const { return borderWidth_; }

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    QColor border_{Qt::black};
    QColor back_{Qt::white};
    QColor fillColor_{Qt::black};
    int borderWidth_ = 1;
    bool opaque_ = false;
    Fill fill_ = Fill::Transparent;
};

// A straight line between two points. Its twips are x1, y1 and the run to x2, y2.
class Line : public QWidget, public Control {
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit Line(QWidget* parent = nullptr);

    QColor borderColor() const { return color_; }
    void setBorderColor(const QColor& c);
    int borderWidth() const { return width_; }

protected:
    void configureKind(const ControlSpec& stored) override;
    QRect pixelGeometry() const override;
    void paintEvent(QPaintEvent* e) override;

private:
    QColor color_{Qt::black};
    int width_ = 1;
};

class OptionButton : public QRadioButton, public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit OptionButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);
    bool value() const { return isChecked(); }
    void setValue(bool chosen);

signals:
    void captionChanged(const QString& caption);
    void valueChanged(bool chosen);

protected:
    void configureKind(const ControlSpec& stored) override;
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* e) override;

private:
    void refreshPalette();
    QColor back_{0xC0, 0xC0, 0xC0};
    QColor fore_{Qt::black};
};

// A titled frame; the controls it holds are placed from its top-left corner.
class Frame : public QFrame, public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QRect twips READ twips WRITE setTwips)
public:
    explicit Frame(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);

signals:
    void captionChanged(const QString& caption);

protected:
    void configureKind(const ControlSpec& stored) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString caption_;
    QColor back_{0xC0, 0xC0, 0xC0};
    QColor fore_{Qt::black};
};

class MenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
public:
    explicit MenuItem(QObject* parent = nullptr) : QAction(parent) {}
    QString caption() const { return text(); }
    void setCaption(const QString& caption);

signals:
    void captionChanged(const QString& caption);
};

// Builds the control a stored layout entry describes (unconfigured).
Control* createControl(Kind kind, QWidget* parent);

} // namespace sd
