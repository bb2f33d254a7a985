// Measures the program the way a pupil meets it: for every screen it registers,
// the median time from asking for the screen to its first paint, and the median
// time of one click on the screen's heaviest button; then the resident memory
// with every screen open. Prints a Markdown table for the README.
// Usage: setsdrill_bench [repetitions] (default 15). Runs offscreen unless
// QT_QPA_PLATFORM names a platform (for example xcb with DISPLAY set). Ends
// with 1 when a screen never paints or a button named below is gone.

#include "app/controls.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "program/screens.h"
#include "program/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <optional>
#include <vector>

namespace {

// The one button per screen whose click does the most work. A screen missing
// here is measured by timing each of its buttons and keeping the slowest.
struct Heaviest {
    const char* screen;
    const char* control;
    int index = -1;
    // The lesson enables this button only after the pupil's earlier steps (a
    // right choice of diagram): the bench enables it itself, since the click's
    // work does not depend on how the button came to be enabled.
    bool enableFirst = false;
};
constexpr Heaviest kHeaviest[] = {
    {"frmgrop3", "Command11"},        // "الحل": judges all eight problems and scores them
    {"frmgroub4", "Command9"},        // "ابدأ من جديد": clears the score and writes new statements
    {"frmGroups", "Command1"},        // "جديد": new numbers all over the diagram
    {"frmgrop2", "Command1"},         // "جديد": new numbers in the three-set diagram
    {"frmgroub5", "Command1"},        // "جديد": new numbers in the difference diagram
    {"frmvan", "Command3", -1, true}, // "تقويم": judges every box, scores, reveals a star
    {"frmmagmoaat1", "Command1"},     // "مسح السبورة": sends every piece home
};

constexpr double kOpenGoalMs = 50;
struct OpenGoal {
    const char* screen;
    double ms;
};
constexpr OpenGoal kOpenGoals[] = {{"frmmagmoaat1", 100}}; // the blackboard's many pieces
constexpr double kClickGoalMs = 5;
constexpr int kPaintWaitMs = 5000;

double openGoalFor(const QString& screen) {
    for (const OpenGoal& g : kOpenGoals)
        if (screen == QLatin1String(g.screen))
            return g.ms;
    return kOpenGoalMs;
}

// One measurement: the time the pupil waits, and the processor time the program
// spent, which stays honest on a machine busy with other work.
struct Sample {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() : cpu_(std::clock()) { wall_.start(); }
    qint64 elapsedMs() const { return wall_.elapsed(); }
    Sample sample() const {
        return {double(wall_.nsecsElapsed()) / 1e6, double(std::clock() - cpu_) * 1000.0 / CLOCKS_PER_SEC};
    }

private:
    QElapsedTimer wall_;
    std::clock_t cpu_;
};

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Medians {
    double wall = 0;
    double cpu = 0;
};

Medians medians(const std::vector<Sample>& samples) {
    std::vector<double> wall, cpu;
    for (const Sample& s : samples) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    return {median(wall), median(cpu)};
}

// Notes the first paint of any widget in the watched window.
class PaintWatch : public QObject {
public:
    QPointer<QWidget> window;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && window && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window)
            painted = true;
        return false;
    }
};

// Whatever a click sets off beyond its own screen: a message box, another
// screen, the screen's own unloading, the end of the program.
struct Outside {
    int modals = 0;
    int quits = 0;
    int loads = 0;
    int unloads = 0;
    int total() const { return modals + quits + loads + unloads; }
};

class Bench {
public:
    Bench(int repetitions) : repetitions_(repetitions) {
        navigator_.setQuitHandler([this] { ++outside_.quits; });
        // The About box gets no system-information tool: nothing is ever started.
        sd::Services services;
        services.makeSysInfoPort = [] { return std::unique_ptr<sd::SysInfoPort>(); };
        sd::registerScreens(navigator_, services);
        QObject::connect(&navigator_, &sd::Navigator::screenLoaded, &navigator_,
                         [this] { ++outside_.loads; });
        QObject::connect(&navigator_, &sd::Navigator::screenUnloaded, &navigator_,
                         [this] { ++outside_.unloads; });
        // A message box would wait for a pupil; close it as one would.
        closer_.setInterval(10);
        QObject::connect(&closer_, &QTimer::timeout, &closer_, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++outside_.modals;
                modal->close();
            }
        });
        closer_.start();
        qApp->installEventFilter(&watch_);
    }

    QStringList screens() const { return navigator_.registeredScreens(); }

    // What makes the figures meaningless: a screen that never paints, a
    // heaviest button named above that the screen no longer has.
    QStringList faults;

    // Shows the screen on its own and returns the time to its first paint.
    std::optional<Sample> open(const QString& name) {
        closeAll();
        watch_.painted = false;
        const Stopwatch t;
        sd::Screen* screen = navigator_.show(name);
        if (!screen)
            return std::nullopt;
        watch_.window = screen;
        while (!watch_.painted && t.elapsedMs() < kPaintWaitMs)
            QCoreApplication::processEvents();
        const Sample took = t.sample();
        watch_.window = nullptr;
        return watch_.painted ? std::optional(took) : std::nullopt;
    }

    std::vector<Sample> openTimes(const QString& name) {
        std::vector<Sample> times;
        for (int i = 0; i < repetitions_; ++i)
            if (const std::optional<Sample> took = open(name))
                times.push_back(*took);
        return times;
    }

    struct ButtonTime {
        QString button;
        Medians ms;
    };

    // The heaviest button's median click, from the table or the slowest measured.
    std::optional<ButtonTime> heaviestClick(const QString& name) {
        for (const Heaviest& h : kHeaviest)
            if (name == QLatin1String(h.screen)) {
                const QString button = sd::objectNameFor(QString::fromLatin1(h.control), h.index);
                const std::vector<Sample> times = clickTimes(name, button, h.enableFirst);
                if (times.empty()) {
                    faults.append(QStringLiteral("%1 has no usable button %2").arg(name, button));
                    return std::nullopt;
                }
                return ButtonTime{button, medians(times)};
            }
        std::optional<ButtonTime> slowest;
        for (const QString& button : buttonsThatStayOnScreen(name)) {
            const std::vector<Sample> times = clickTimes(name, button);
            if (!times.empty() && (!slowest || medians(times).cpu > slowest->ms.cpu))
                slowest = ButtonTime{button, medians(times)};
        }
        return slowest;
    }

    // Resident memory, in MiB, with every registered screen open at once.
    std::optional<double> residentWithEverythingOpen() {
        closeAll();
        for (const QString& name : screens())
            navigator_.show(name);
        settle();
        const std::optional<double> mib = residentMiB();
        closeAll();
        return mib;
    }

    static std::optional<double> residentMiB() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return std::nullopt;
        static const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+) kB"),
                                            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = rss.match(QString::fromLatin1(status.readAll()));
        return m.hasMatch() ? std::optional(m.captured(1).toDouble() / 1024) : std::nullopt;
    }

    void closeAll() {
        const QList<sd::Screen*> open = navigator_.loaded();
        for (auto it = open.crbegin(); it != open.crend(); ++it)
            navigator_.unload(*it);
        settle();
    }

private:
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The screen with the button usable, shown afresh when the last click took
    // the button away (a button may disable itself until new problems come).
    QAbstractButton* readyButton(const QString& name, const QString& button, bool enableFirst = false) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            sd::Screen* screen = navigator_.find(name);
            if (!screen) {
                closeAll();
                screen = navigator_.show(name);
                settle();
            }
            auto* b = screen ? screen->findChild<QAbstractButton*>(button) : nullptr;
            if (b && enableFirst)
                b->setEnabled(true);
            if (b && b->isEnabled() && b->isVisible())
                return b;
            closeAll();
        }
        return nullptr;
    }

    static void click(QAbstractButton* b) {
        const QPointF at = QRectF(b->rect()).center();
        const QPointF global = b->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(b, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(b, &release);
    }

    // The time of the click itself: the handlers it runs, not the repaint after.
    std::vector<Sample> clickTimes(const QString& name, const QString& button, bool enableFirst = false) {
        std::vector<Sample> times;
        for (int i = 0; i < repetitions_; ++i) {
            QAbstractButton* b = readyButton(name, button, enableFirst);
            if (!b)
                break;
            const Stopwatch t;
            click(b);
            times.push_back(t.sample());
            settle();
        }
        return times;
    }

    // The screen's buttons whose click stays on the screen: one probing click
    // each leaves out every exit, every button that opens another screen or a
    // message box, and anything that would end the program.
    QStringList buttonsThatStayOnScreen(const QString& name) {
        closeAll();
        sd::Screen* screen = navigator_.show(name);
        settle();
        QStringList names;
        if (!screen)
            return names;
        for (const QAbstractButton* b : screen->findChildren<QAbstractButton*>())
            if (dynamic_cast<const sd::CommandButton*>(b) && !b->objectName().isEmpty())
                names.append(b->objectName());
        QStringList staying;
        for (const QString& button : names) {
            QAbstractButton* b = readyButton(name, button);
            if (!b)
                continue;
            const int before = outside_.total();
            click(b);
            settle();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50); // lets the closer see a box
            if (outside_.total() == before)
                staying.append(button);
            else
                closeAll();
        }
        return staying;
    }

    int repetitions_;
    sd::Navigator navigator_;
    PaintWatch watch_;
    QTimer closer_;
    Outside outside_;
};

QString cpuModel() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        static const QRegularExpression model(QStringLiteral("^model name\\s*:\\s*(.+)$"),
                                              QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = model.match(QString::fromLatin1(cpuinfo.readAll()));
        if (m.hasMatch())
            return m.captured(1).trimmed();
    }
    return QSysInfo::currentCpuArchitecture();
}

// The offscreen platform notes every raise() of a window; the table needs none of that.
QtMessageHandler defaultHandler = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (defaultHandler)
        defaultHandler(type, context, message);
}

QString ms(double v) {
    return QString::number(v, 'f', v < 10 ? 2 : 1);
}

QString both(double wall, double cpu) {
    return QStringLiteral("%1 (%2)").arg(ms(wall), ms(cpu));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(dropPlatformNotes);
    QApplication app(argc, argv);
    sd::setUpApplication();
    const int repetitions = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;

    QTextStream out(stdout);
    out << "Machine: " << QThread::idealThreadCount() << " cores (nproc), " << cpuModel() << ", Qt "
        << qVersion() << ", platform " << QGuiApplication::platformName() << ", "
        << QSysInfo::prettyProductName() << Qt::endl;
    out << "Medians of " << repetitions << " runs, in ms: the time waited (the processor time the program "
        << "spent). Goals: a screen opens in " << kOpenGoalMs
        << " ms (some are allowed more), a click takes at "
        << "most " << kClickGoalMs << " ms." << Qt::endl
        << Qt::endl;
    out << "| screen | opens in | first opening | heaviest button | one click |" << Qt::endl
        << "|---|---:|---:|---|---:|" << Qt::endl;

    Bench bench(repetitions);
    int missed = 0;
    for (const QString& name : bench.screens()) {
        // The first opening pays for fonts and pictures met for the first time.
        const std::optional<Sample> first = bench.open(name);
        const std::vector<Sample> opens = bench.openTimes(name);
        const std::optional<Bench::ButtonTime> click = bench.heaviestClick(name);
        bench.closeAll();

        if (opens.empty())
            bench.faults.append(QStringLiteral("%1 never painted").arg(name));
        const Medians open = medians(opens);
        const bool openLate = opens.empty() || open.wall > openGoalFor(name);
        const bool clickLate = click && click->ms.wall > kClickGoalMs;
        missed += int(openLate) + int(clickLate);
        out << "| `" << name << "` | "
            << (opens.empty() ? QStringLiteral("never painted") : both(open.wall, open.cpu))
            << (openLate ? " over " + ms(openGoalFor(name)) : QString()) << " | "
            << (first ? both(first->wall, first->cpu) : QStringLiteral("-")) << " | "
            << (click ? "`" + click->button + "`" : QStringLiteral("none that stays on the screen")) << " | "
            << (click
                    ? both(click->ms.wall, click->ms.cpu) + (clickLate ? QStringLiteral(" over") : QString())
                    : QStringLiteral("-"))
            << " |" << Qt::endl;
    }

    const std::optional<double> before = Bench::residentMiB();
    const std::optional<double> all = bench.residentWithEverythingOpen();
    out << Qt::endl
        << "Resident memory with every screen open: " << (all ? ms(*all) + " MiB" : QStringLiteral("unknown"))
        << (before ? " (" + ms(*before) + " MiB with none open, after opening each)" : QString()) << Qt::endl;
    out << (missed ? QStringLiteral("Figures over their goals: %1.").arg(missed)
                   : QStringLiteral("Every goal met."))
        << Qt::endl;
    for (const QString& fault : std::as_const(bench.faults))
        out << "Fault: " << fault << Qt::endl;
    return bench.faults.isEmpty() ? 0 : 1;
}
