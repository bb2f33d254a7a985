#pragma once
// What a pupil meets without the mouse: through a screen reader, windows named by
// their lessons, option buttons chosen by their toggle action as by a click,
// nothing that holds a value or only decorates, and what a check, a note or a
// reward changed said aloud; on the screen, a ring round the focused control.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace sd::accessibility {

// The screen model's accessibility factories, installed once.
void install();

// A part of a window that only holds others (the area below the menu bar, the
// controls' canvas): it shows a screen reader its children but those left out.
class Area : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A widget no screen reader meets: a control that only holds a value, or a
// frame the screen model draws round another control.
void leaveOut(QWidget* w);
bool isLeftOut(const QWidget* w);

// Says what changed on a screen. What a handler asks to be said is collected and
// said once, as one notification, when control returns to the event loop: a
// screen reader reads the text after the event arrives, so it must stay put.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);
    // Says w's name as it is when the handler ends, if w is shown then.
    void sayNameOf(QWidget* w);
    // What was said last.
    QString said() const { return said_; }

private:
    void flush();
    struct Item {
        QString text;
        QPointer<QWidget> of;
    };
    QList<Item> pending_;
    QString said_;
};

// A bright ring just outside the control holding the keyboard focus on a screen,
// so the focus is seen at a glance without covering what the control shows.
// Entry boxes show their caret and the current box's frame instead.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* screen);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow(QWidget* now);
    void place();
    QWidget* screen_;
    QPointer<QWidget> target_;
    int band_ = 3;
};

} // namespace sd::accessibility
