// Presses "Calcola" 10,000 times on the offscreen platform over a table of
// inputs that fails in every way there is, dismissing each error box as it
// opens. Resident memory after the last press must stay within 1 MiB of that
// after the hundredth. Built with AddressSanitizer, where resident memory says
// nothing, it leaves the verdict to LeakSanitizer at exit instead.
#include "main_form.h"
#include "offscreen_screen.h"
#include "process_memory.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <map>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool resident_memory_is_meaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool resident_memory_is_meaningful = false;
#else
constexpr bool resident_memory_is_meaningful = true;
#endif
#else
constexpr bool resident_memory_is_meaningful = true;
#endif

struct Press {
    const char *voltage;
    const char *current;
    const char *ripple;
    bool sixty_hertz;
};

const Press presses[] = {
    {"12", "1", "10", false},
    {"230", "5", "5", false},
    {"5", "0.1", "40", true},
    {"-12", "1", "10", false},
    {"10", "0.001", "10", true},
    {" ", " ", " ", false},       // type mismatch, as the fields start
    {"12", "1x", "10", false},    // type mismatch
    {"1e400", "1", "10", false},  // overflow reading
    {"12", "1", "0", false},      // division by zero
    {"12", "0", "10", true},      // division by zero
    {"12", "1", "100", false},    // invalid argument
    {"12", "1", "250", false},    // invalid argument
    {"0", "0", "10", false},      // overflow
};

// Dismisses every error box as soon as it shows, counting them by their text.
class Box_dismisser : public QObject {
public:
    std::map<QString, int> reports;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                ++reports[box->text()];
                QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
            }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    use_offscreen_screen_unless_set();
    // The offscreen platform warns each time a message box shows.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication application(argc, argv);
    Box_dismisser dismisser;
    application.installEventFilter(&dismisser);

    Main_form form;
    form.showMaximized();
    QCoreApplication::processEvents();
    const auto field = [&](int index) { return form.findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(index)); };
    auto *calcola = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *option1 = form.findChild<QRadioButton *>(QStringLiteral("Option1"));
    auto *option2 = form.findChild<QRadioButton *>(QStringLiteral("Option2"));

    constexpr int total = 10000;
    long after_hundredth = 0;
    for (int i = 1; i <= total; ++i) {
        const Press &press = presses[i % std::size(presses)];
        field(0)->setText(QString::fromLatin1(press.voltage));
        field(1)->setText(QString::fromLatin1(press.current));
        field(2)->setText(QString::fromLatin1(press.ripple));
        (press.sixty_hertz ? option2 : option1)->setChecked(true);
        calcola->click();
        QCoreApplication::processEvents();
        if (i == 100)
            after_hundredth = process_memory_kib("VmRSS");
    }
    const long after_last = process_memory_kib("VmRSS");

    std::printf("%d presses; error boxes:", total);
    for (const auto &[text, count] : dismisser.reports)
        std::printf(" %s %d;", qPrintable(text), count);
    std::printf("\n");
    if (!resident_memory_is_meaningful) {
        std::printf("resident memory not checked under AddressSanitizer; leaks are checked at exit\n");
        return 0;
    }
    const long growth = after_last - after_hundredth;
    std::printf("resident memory after press 100: %ld KiB, after press %d: %ld KiB, growth %ld KiB\n",
                after_hundredth, total, after_last, growth);
    return growth <= 1024 ? 0 : 1;
}
