#include "main_form.h"

#include "filter.h"
#include "number_text.h"
#include "run_time_error.h"
#include "waveform_diagram.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>

#include <future>

namespace {

// Indexes of Text1.
enum Field : std::size_t { voltage, current, ripple, capacitance, secondary_voltage };

// What the error report calls the input fields.
const char *const input_field_names[] = {"tensione", "corrente", "ondulazione"};

const QColor light_grey(192, 192, 192);
const QColor light_cyan(128, 255, 255);
const QColor red(255, 0, 0);

// The design places controls in twips: 15 make a pixel on a 96-dpi screen.
constexpr int twips_per_pixel = 15;

QPoint twips(int left, int top)
{
    return {left / twips_per_pixel, top / twips_per_pixel};
}

QRect twips(int left, int top, int width, int height)
{
    return {twips(left, top), QSize(width / twips_per_pixel, height / twips_per_pixel)};
}

QFont bold(const char *family, qreal points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void set_colour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The controls are named as in the design, arrays with their index:
// "Text1(0)".
QString design_name(const char *control, std::size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

QLabel *make_label(QWidget *parent, const QString &name, const QString &caption, const QFont &font)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    return label;
}

QLabel *make_prompt(QWidget *parent, std::size_t index, const QString &caption, const QRect &geometry)
{
    QLabel *label = make_label(parent, design_name("Label1", index), caption, bold("Arial", 12));
    label->setGeometry(geometry);
    return label;
}

// A unit sizes itself to its caption.
QLabel *make_unit(QWidget *parent, std::size_t index, const QString &caption, const QPoint &position)
{
    QLabel *label = make_label(parent, design_name("Label2", index), caption, bold("Arial", 14.25));
    label->move(position);
    label->adjustSize();
    return label;
}

// Every field starts with a single blank, as the design has it.
QLineEdit *make_field(QWidget *parent, std::size_t index, const QRect &geometry, const QLabel *prompt,
                      const QLabel *unit)
{
    auto *field = new QLineEdit(QStringLiteral(" "), parent);
    field->setObjectName(design_name("Text1", index));
    field->setGeometry(geometry);
    field->setFont(bold("Arial", 12));
    set_colour(field, QPalette::Base, light_grey);
    const QString prompt_text = prompt->text().remove(QLatin1Char('=')).simplified();
    field->setAccessibleName(QStringLiteral("%1 (%2)").arg(prompt_text, unit->text()));
    return field;
}

// A graphical button: painted in its own colour, raised, and sunken while
// pressed.
QPushButton *make_button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                         qreal points, const QColor &colour)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(bold("Arial", points));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 2px solid;"
                       " border-color: palette(light) palette(dark) palette(dark) palette(light); }"
                       "QPushButton:pressed { border-color: palette(dark) palette(light) palette(light) palette(dark); }"
                       "QPushButton:focus { outline: 1px dotted palette(button-text); }")
            .arg(colour.name()));
    return button;
}

QRadioButton *make_option(QGroupBox *frame, const char *name, const QString &caption, const QRect &geometry)
{
    auto *option = new QRadioButton(caption, frame);
    option->setObjectName(QLatin1String(name));
    option->setGeometry(geometry);
    option->setFont(bold("Arial", 14.25));
    option->setAccessibleName(QStringLiteral("%1 %2").arg(frame->title(), caption));
    return option;
}

QString error_name(Error_kind kind)
{
    switch (kind) {
    case Error_kind::type_mismatch: return QStringLiteral("Tipo non corrispondente");
    case Error_kind::division_by_zero: return QStringLiteral("Divisione per zero");
    case Error_kind::overflow: return QStringLiteral("Overflow");
    case Error_kind::invalid_argument: return QStringLiteral("Argomento non valido");
    }
    return QStringLiteral("Errore");
}

} // namespace

Main_form::Main_form(QWidget *parent)
    : QWidget(parent), decimal_separator(QLocale::system().decimalPoint().toStdString())
{
    // Decoding the schematic takes a few milliseconds: it runs while the
    // controls are built and their fonts found.
    auto schematic = std::async(std::launch::async, [] {
        return QImage(QStringLiteral(":/schematic.png")).convertToFormat(QImage::Format_RGB32);
    });

    setObjectName(QStringLiteral("Main_form"));
    setWindowTitle(QStringLiteral("Calcolo Condensatore di filtro."));
    // The design's background is the button face; drawings stay put on resize.
    setBackgroundRole(QPalette::Button);
    setAttribute(Qt::WA_StaticContents);
    resize(twips(0, 0, 4680, 3195).size());  // the restored client area

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(360, 120, 8055, 3375));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(1);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(QStringLiteral("Schema dell'alimentatore"));

    // The five rows: prompt, field, unit. The prompts' indexes do not follow
    // the rows; the fields' do.
    Label1[1] = make_prompt(this, 1, QStringLiteral("Immettere valore di tensione = "), twips(10920, 120, 3465, 285));
    Label2[0] = make_unit(this, 0, QStringLiteral("V"), twips(16080, 120));
    Text1[voltage] = make_field(this, voltage, twips(14760, 120, 1215, 375), Label1[1], Label2[0]);

    Label1[2] = make_prompt(this, 2, QStringLiteral("Immettere valore di corrente = "), twips(10920, 600, 3435, 285));
    Label2[1] = make_unit(this, 1, QStringLiteral("A"), twips(16080, 600));
    Text1[current] = make_field(this, current, twips(14760, 600, 1215, 375), Label1[2], Label2[1]);

    Label1[0] = make_prompt(this, 0, QStringLiteral("Immettere % ondulazione    ="), twips(10920, 1080, 3375, 285));
    Label2[2] = make_unit(this, 2, QStringLiteral("%"), twips(16080, 1080));
    Text1[ripple] = make_field(this, ripple, twips(14760, 1080, 1215, 375), Label1[0], Label2[2]);

    Label1[3] = make_prompt(this, 3, QStringLiteral("Valore del condensatore     ="), twips(10920, 1560, 3375, 285));
    Label2[3] = make_unit(this, 3, QStringLiteral("uF"), twips(16080, 1560));
    Text1[capacitance] = make_field(this, capacitance, twips(14760, 1560, 1215, 375), Label1[3], Label2[3]);

    Label1[4] = make_prompt(this, 4, QStringLiteral("Tensione secondario trasf.   ="), twips(10920, 2040, 3375, 285));
    Label2[4] = make_unit(this, 4, QStringLiteral("Veff"), twips(16080, 2040));
    Text1[secondary_voltage] =
        make_field(this, secondary_voltage, twips(14760, 2040, 1215, 375), Label1[4], Label2[4]);

    Frame1 = new QGroupBox(QStringLiteral("Frequenza di rete"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(11160, 2760, 4095, 975));
    Frame1->setFont(bold("Courier New", 12));
    Frame1->setBackgroundRole(QPalette::Window);
    Frame1->setAutoFillBackground(true);
    set_colour(Frame1, QPalette::Window, light_grey);
    Option1 = make_option(Frame1, "Option1", QStringLiteral("50 Hz"), twips(120, 360, 1215, 495));
    Option2 = make_option(Frame1, "Option2", QStringLiteral("60 Hz"), twips(2760, 360, 1215, 495));
    Option1->setChecked(true);

    Command1 = make_button(this, "Command1", QStringLiteral("Calcola"), twips(18000, 480, 1455, 615), 14.25, light_cyan);
    Command2 = make_button(this, "Command2", QStringLiteral("Esci"), twips(18000, 3000, 1455, 615), 15.75, red);

    QWidget::setTabOrder(Text1[voltage], Text1[current]);
    QWidget::setTabOrder(Text1[current], Text1[ripple]);
    QWidget::setTabOrder(Text1[ripple], Command1);
    QWidget::setTabOrder(Command1, Text1[capacitance]);
    QWidget::setTabOrder(Text1[capacitance], Text1[secondary_voltage]);
    QWidget::setTabOrder(Text1[secondary_voltage], Option1);
    QWidget::setTabOrder(Option1, Option2);
    QWidget::setTabOrder(Option2, Command2);
    QWidget::setTabOrder(Command2, Picture1);
    Text1[voltage]->setFocus();

    Picture1->setPixmap(QPixmap::fromImage(schematic.get()));

    connect(Command1, &QPushButton::clicked, this, &Main_form::calculate);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void Main_form::calculate()
{
    draw(axis_segments());

    std::optional<std::size_t> field_being_read;
    try {
        const auto read_field = [&](Field index) {
            field_being_read = index;
            return read_number(Text1[index]->text().toStdString(), decimal_separator);
        };
        // Braces read the fields in order: voltage, current, ripple.
        const Filter_inputs inputs{read_field(voltage), read_field(current), read_field(ripple),
                                   Option1->isChecked() ? Mains_frequency::hz_50 : Mains_frequency::hz_60};
        field_being_read.reset();

        const Filter_result result = compute_filter(inputs, decimal_separator);
        Text1[capacitance]->setText(QString::fromStdString(result.capacitance_text));
        Text1[secondary_voltage]->setText(QString::fromStdString(result.secondary_text));
        draw(waveform_segments(result.load_resistance, result.capacitance, inputs.dc_voltage, inputs.frequency));
    } catch (const Run_time_error &error) {
        report_failure(error, field_being_read);
    }
}

void Main_form::draw(std::span<const Plot_segment> segments)
{
    update(surface.draw(segments, palette().color(QPalette::ButtonText), devicePixelRatio()));
}

void Main_form::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    surface.paint(painter, event->rect());
}

void Main_form::report_failure(const Run_time_error &error, std::optional<std::size_t> unreadable_field)
{
    QString cause = QStringLiteral("Il calcolo non è possibile con i valori immessi.");
    if (unreadable_field) {
        const QString problem = error.kind() == Error_kind::overflow
                                    ? QStringLiteral("è fuori dall'intervallo dei numeri ammessi")
                                    : QStringLiteral("non è un numero");
        cause = QStringLiteral("Il valore di %1 %2.").arg(QLatin1String(input_field_names[*unreadable_field]), problem);
    }
    QMessageBox box(QMessageBox::Critical, windowTitle(), error_name(error.kind()) + QLatin1Char('.'), QMessageBox::Ok,
                    this);
    box.setInformativeText(cause);
    box.exec();

    if (unreadable_field) {
        QLineEdit *field = Text1[*unreadable_field];
        field->setFocus();
        field->selectAll();
    }
}
