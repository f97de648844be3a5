// The window on the offscreen platform: its controls as designed, focus and
// keys, the commands, the retained surface and the reporting of failures.
#include "main_form.h"
#include "offscreen_screen.h"

#include "filter.h"
#include "waveform_diagram.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QColor red(255, 0, 0);

// A pixel of a grabbed image, addressed in the window's logical pixels
// whatever the device pixel ratio.
QColor pixel(const QImage &image, QPoint logical)
{
    return image.pixelColor(logical * image.devicePixelRatio());
}

QString separator() { return QLocale::system().decimalPoint(); }
QString other_separator() { return separator() == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(","); }

// The red segments one press draws for these inputs, from the core itself.
std::vector<Plot_segment> red_segments(double ripple, Mains_frequency frequency = Mains_frequency::hz_50)
{
    const Filter_result result = compute_filter({12, 1, ripple, frequency}, ".");
    std::vector<Plot_segment> curve;
    for (const Plot_segment &segment : waveform_segments(result.load_resistance, result.capacitance, 12, frequency))
        if (segment.colour == Plot_colour::red)
            curve.push_back(segment);
    return curve;
}

} // namespace

class Main_form_test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_maximized_with_its_title();
    void has_the_designed_controls_data();
    void has_the_designed_controls();
    void starts_with_blank_fields_and_fifty_hertz();
    void moves_focus_in_tab_order();
    void keeps_the_options_one_group();
    void triggers_no_command_on_enter_or_escape();
    void names_its_controls_for_screen_readers();

    void calculates_shows_and_draws();
    void sixty_hertz_changes_only_the_capacitance();
    void reads_numbers_with_the_locales_separator();
    void draws_each_press_over_the_previous_ones();
    void keeps_the_drawing_through_minimize_resize_and_restore();

    void reports_a_failure_and_goes_on_data();
    void reports_a_failure_and_goes_on();
    void draws_the_axes_before_a_failure();

    void esci_closes_the_window();

private:
    template <class Widget> Widget *control(const QString &name) const
    {
        auto *widget = form->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit *field(int index) const { return control<QLineEdit>(QStringLiteral("Text1(%1)").arg(index)); }
    QPushButton *calcola() const { return control<QPushButton>(QStringLiteral("Command1")); }

    // Types into a field as a user would, over what it holds.
    void type(int index, const QString &text) const
    {
        field(index)->selectAll();
        QTest::keyClicks(field(index), text);
    }
    void fill(const QString &voltage, const QString &current, const QString &ripple) const
    {
        type(0, voltage);
        type(1, current);
        type(2, ripple);
    }
    QString press(QAbstractButton *button) const;
    QImage window_image() const { return form->grab().toImage(); }

    std::unique_ptr<Main_form> form;
};

// Clicks the button. A message box it opens is read and dismissed so that no
// test ever hangs on one; its texts are returned, or nothing if none opened.
QString Main_form_test::press(QAbstractButton *button) const
{
    QString report;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, &watcher, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            report = box->text() + QLatin1Char('\n') + box->informativeText();
            box->accept();
        }
    });
    watcher.start(10);
    QTest::mouseClick(button, Qt::LeftButton);
    return report;
}

void Main_form_test::init()
{
    form = std::make_unique<Main_form>();
    form->showMaximized();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void Main_form_test::cleanup()
{
    form.reset();
}

void Main_form_test::opens_maximized_with_its_title()
{
    // Run once with QT_SCALE_FACTOR=2: everything here is in logical pixels.
    QCOMPARE(form->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    QCOMPARE(form->windowTitle(), QStringLiteral("Calcolo Condensatore di filtro."));
    QVERIFY(form->isMaximized());
    QCOMPARE(form->frameGeometry(), form->screen()->availableGeometry());
    // Restored, the client area is 4680 x 3195 twips.
    form->showNormal();
    QTRY_COMPARE(form->size(), QSize(312, 213));
}

void Main_form_test::has_the_designed_controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");  // pixels; an empty size means "sized to its caption"
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("background");  // invalid: the style's own

    const QColor none;
    const QColor light_grey(192, 192, 192);
    const QString arial = QStringLiteral("Arial");
    const QString blank = QStringLiteral(" ");
    const auto row = [](const char *name, const QString &caption, QRect geometry, const QString &family, qreal points,
                        QColor background) {
        QTest::newRow(name) << QString::fromLatin1(name) << caption << geometry << family << points << background;
    };
    // Rows top to bottom; positions are the design's twips divided by 15.
    row("Label1(1)", "Immettere valore di tensione = ", {728, 8, 231, 19}, arial, 12, none);
    row("Text1(0)", blank, {984, 8, 81, 25}, arial, 12, light_grey);
    row("Label2(0)", "V", {1072, 8, 0, 0}, arial, 14.25, none);
    row("Label1(2)", "Immettere valore di corrente = ", {728, 40, 229, 19}, arial, 12, none);
    row("Text1(1)", blank, {984, 40, 81, 25}, arial, 12, light_grey);
    row("Label2(1)", "A", {1072, 40, 0, 0}, arial, 14.25, none);
    row("Label1(0)", "Immettere % ondulazione    =", {728, 72, 225, 19}, arial, 12, none);
    row("Text1(2)", blank, {984, 72, 81, 25}, arial, 12, light_grey);
    row("Label2(2)", "%", {1072, 72, 0, 0}, arial, 14.25, none);
    row("Label1(3)", "Valore del condensatore     =", {728, 104, 225, 19}, arial, 12, none);
    row("Text1(3)", blank, {984, 104, 81, 25}, arial, 12, light_grey);
    row("Label2(3)", "uF", {1072, 104, 0, 0}, arial, 14.25, none);
    row("Label1(4)", "Tensione secondario trasf.   =", {728, 136, 225, 19}, arial, 12, none);
    row("Text1(4)", blank, {984, 136, 81, 25}, arial, 12, light_grey);
    row("Label2(4)", "Veff", {1072, 136, 0, 0}, arial, 14.25, none);
    row("Frame1", "Frequenza di rete", {744, 184, 273, 65}, "Courier New", 12, light_grey);
    row("Option1", "50 Hz", {8, 24, 81, 33}, arial, 14.25, none);  // in the frame
    row("Option2", "60 Hz", {184, 24, 81, 33}, arial, 14.25, none);
    row("Command1", "Calcola", {1200, 32, 97, 41}, arial, 14.25, QColor(128, 255, 255));
    row("Command2", "Esci", {1200, 200, 97, 41}, arial, 15.75, red);
}

void Main_form_test::has_the_designed_controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(QColor, background);

    QWidget *widget = control<QWidget>(name);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        shown = edit->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    QCOMPARE(shown, caption);

    QCOMPARE(widget->pos(), geometry.topLeft());
    QCOMPARE(widget->size(), geometry.isEmpty() ? widget->sizeHint() : geometry.size());

    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pointSizeF(), points);
    QVERIFY(widget->font().bold());
    // Arial and Courier New resolve to their metric-compatible stand-ins.
    const QString resolved = QFontInfo(widget->font()).family();
    QCOMPARE(resolved, family == QLatin1String("Arial") ? QStringLiteral("Liberation Sans") : QStringLiteral("Liberation Mono"));

    if (background.isValid())
        QCOMPARE(pixel(widget->grab().toImage(), {geometry.width() - 6, 6}), background);
}

void Main_form_test::starts_with_blank_fields_and_fifty_hertz()
{
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1"))->isChecked());
    QVERIFY(!control<QRadioButton>(QStringLiteral("Option2"))->isChecked());
    auto *picture = control<QLabel>(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), QRect(24, 8, 537, 225));
    // The schematic is cut off by its box, from its top left corner.
    QCOMPARE(picture->pixmap().size(), QSize(578, 268));
    QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

void Main_form_test::moves_focus_in_tab_order()
{
    QCOMPARE(QApplication::focusWidget(), field(0));
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The option group is one stop; labels and the frame take no focus.
    QCOMPARE(visited, (QStringList{"Text1(1)", "Text1(2)", "Command1", "Text1(3)", "Text1(4)", "Option1", "Command2",
                                   "Picture1", "Text1(0)"}));
}

void Main_form_test::keeps_the_options_one_group()
{
    auto *option1 = control<QRadioButton>(QStringLiteral("Option1"));
    auto *option2 = control<QRadioButton>(QStringLiteral("Option2"));
    QTest::mouseClick(option2, Qt::LeftButton);
    QVERIFY(option2->isChecked());
    QVERIFY(!option1->isChecked());
    QTest::mouseClick(option1, Qt::LeftButton);
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
}

void Main_form_test::triggers_no_command_on_enter_or_escape()
{
    fill("12", "1", "10");
    QString report;
    QTimer::singleShot(0, this, [&] {
        if (QApplication::activeModalWidget())
            report = QStringLiteral("a box opened");
    });
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(field(2), key);
    QCoreApplication::processEvents();
    QCOMPARE(report, QString());
    QCOMPARE(field(3)->text(), QStringLiteral(" "));
    QVERIFY(form->isVisible());
}

void Main_form_test::names_its_controls_for_screen_readers()
{
    QStringList names;
    for (const char *name : {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Option1", "Option2",
                             "Command1", "Command2", "Picture1"}) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control<QWidget>(name));
        QVERIFY(accessible);
        names << accessible->text(QAccessible::Name);
    }
    QCOMPARE(names, (QStringList{"Immettere valore di tensione (V)", "Immettere valore di corrente (A)",
                                 "Immettere % ondulazione (%)", "Valore del condensatore (uF)",
                                 "Tensione secondario trasf. (Veff)", "Frequenza di rete 50 Hz",
                                 "Frequenza di rete 60 Hz", "Calcola", "Esci", "Schema dell'alimentatore"}));
}

void Main_form_test::calculates_shows_and_draws()
{
    fill("12", "1", "10");
    QCOMPARE(press(calcola()), QString());
    QCOMPARE(field(3)->text(), QStringLiteral(" 6773.84"));
    QCOMPARE(field(4)->text(), QStringLiteral(" 9.52"));

    const QImage image = window_image();
    const QColor foreground = form->palette().color(QPalette::ButtonText);
    const QColor background = form->palette().color(QPalette::Button);
    // The red curve starts at the crest, a pixel above the wave's highest point.
    QCOMPARE(pixel(image, {400, 350}), red);
    QCOMPARE(pixel(image, {916, red_segments(10).back().y1}), red);
    for (const QPoint axis : {QPoint(100, 650), QPoint(500, 650), QPoint(1349, 650), QPoint(100, 400), QPoint(100, 301)})
        QCOMPARE(pixel(image, axis), foreground);
    for (const QPoint empty : {QPoint(50, 500), QPoint(400, 340), QPoint(1500, 650), QPoint(800, 700)})
        QCOMPARE(pixel(image, empty), background);
}

void Main_form_test::sixty_hertz_changes_only_the_capacitance()
{
    fill("12", "1", "10");
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2")), Qt::LeftButton);
    QCOMPARE(press(calcola()), QString());
    QCOMPARE(field(3)->text(), QStringLiteral(" 5644.77"));
    QCOMPARE(field(4)->text(), QStringLiteral(" 9.52"));
}

void Main_form_test::reads_numbers_with_the_locales_separator()
{
    // 1.2e1 volts, 0.1e1 amperes, 10.0 percent, written the user's way.
    fill("1" + separator() + "2e1", "0" + separator() + "1E+1", "10" + separator() + "0");
    QCOMPARE(press(calcola()), QString());
    QCOMPARE(field(3)->text(), QStringLiteral(" 6773.84"));

    // The other separator is never taken for a decimal point.
    fill("1" + other_separator() + "2e1", "1", "10");
    QVERIFY(press(calcola()).startsWith(QStringLiteral("Tipo non corrispondente")));
}

void Main_form_test::draws_each_press_over_the_previous_ones()
{
    fill("12", "1", "10");
    QCOMPARE(press(calcola()), QString());
    fill("12", "1", "40");
    QCOMPARE(press(calcola()), QString());

    // Past the first half-wave the two curves run far from the wave and from
    // each other: both must still be there.
    const QImage image = window_image();
    for (const double ripple : {10.0, 40.0}) {
        int checked = 0;
        for (const Plot_segment &segment : red_segments(ripple)) {
            if (segment.x1 >= 709 && segment.x1 <= 760) {
                QCOMPARE(pixel(image, {segment.x1, segment.y1}), red);
                ++checked;
            }
        }
        QVERIFY(checked > 10);
    }
}

void Main_form_test::keeps_the_drawing_through_minimize_resize_and_restore()
{
    // Drawn while the window is far smaller than the diagram...
    form->showNormal();
    QTRY_COMPARE(form->size(), QSize(312, 213));
    fill("12", "1", "10");
    QCOMPARE(press(calcola()), QString());

    // ...it is all there once the window is large again, and stays there.
    const QColor foreground = form->palette().color(QPalette::ButtonText);
    for (const auto show : {&QWidget::showMaximized, &QWidget::showMinimized, &QWidget::showMaximized}) {
        (form.get()->*show)();
        QCoreApplication::processEvents();
        if (form->isMinimized())
            continue;
        const QImage image = window_image();
        QCOMPARE(pixel(image, {400, 350}), red);
        QCOMPARE(pixel(image, {916, red_segments(10).back().y1}), red);
        QCOMPARE(pixel(image, {1349, 650}), foreground);
    }
}

void Main_form_test::reports_a_failure_and_goes_on_data()
{
    QTest::addColumn<QString>("voltage");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("ripple");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("unreadable_field");  // -1: the calculation failed
    QTest::addColumn<QString>("cause");

    QTest::newRow("fields as they start") << " " << " " << " " << "Tipo non corrispondente" << 0 << "tensione";
    QTest::newRow("a letter in the current") << "12" << "1x" << "10" << "Tipo non corrispondente" << 1 << "corrente";
    QTest::newRow("ripple with the other separator")
        << "12" << "1" << "1" + other_separator() + "5" << "Tipo non corrispondente" << 2 << "ondulazione";
    QTest::newRow("voltage beyond the double range") << "1e400" << "1" << "10" << "Overflow" << 0 << "tensione";
    QTest::newRow("ripple 0") << "12" << "1" << "0" << "Divisione per zero" << -1 << "calcolo";
    QTest::newRow("ripple 100") << "12" << "1" << "100" << "Argomento non valido" << -1 << "calcolo";
    QTest::newRow("ripple 250") << "12" << "1" << "250" << "Argomento non valido" << -1 << "calcolo";
    QTest::newRow("current 0") << "12" << "0" << "10" << "Divisione per zero" << -1 << "calcolo";
    QTest::newRow("voltage and current 0") << "0" << "0" << "10" << "Overflow" << -1 << "calcolo";
}

void Main_form_test::reports_a_failure_and_goes_on()
{
    QFETCH(QString, voltage);
    QFETCH(QString, current);
    QFETCH(QString, ripple);
    QFETCH(QString, error);
    QFETCH(int, unreadable_field);
    QFETCH(QString, cause);

    fill("12", "1", "10");
    QCOMPARE(press(calcola()), QString());
    fill(voltage, current, ripple);

    const QStringList report = press(calcola()).split(QLatin1Char('\n'));
    QCOMPARE(report.size(), 2);
    QCOMPARE(report[0], error + QLatin1Char('.'));
    QVERIFY2(report[1].contains(cause), qPrintable(report[1]));

    // The program goes on, the results of the last good press untouched.
    QVERIFY(form->isVisible());
    QCOMPARE(field(3)->text(), QStringLiteral(" 6773.84"));
    QCOMPARE(field(4)->text(), QStringLiteral(" 9.52"));
    if (unreadable_field >= 0) {
        // The window's focus, which it takes back once the box is gone.
        QCOMPARE(form->focusWidget(), field(unreadable_field));
        QCOMPARE(field(unreadable_field)->selectedText(), field(unreadable_field)->text());
    }
}

void Main_form_test::draws_the_axes_before_a_failure()
{
    QVERIFY(press(calcola()).startsWith(QStringLiteral("Tipo non corrispondente")));
    const QImage image = window_image();
    const QColor foreground = form->palette().color(QPalette::ButtonText);
    QCOMPARE(pixel(image, {500, 650}), foreground);
    QCOMPARE(pixel(image, {100, 400}), foreground);
    QCOMPARE(pixel(image, {400, 350}), form->palette().color(QPalette::Button));
    QCOMPARE(field(3)->text(), QStringLiteral(" "));
    QCOMPARE(field(4)->text(), QStringLiteral(" "));
}

void Main_form_test::esci_closes_the_window()
{
    QCOMPARE(press(control<QPushButton>(QStringLiteral("Command2"))), QString());
    QVERIFY(!form->isVisible());
}

int main(int argc, char *argv[])
{
    use_offscreen_screen_unless_set();
    QApplication application(argc, argv);
    Main_form_test test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_form_test.moc"
