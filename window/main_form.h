#pragma once

// The one window. "Calcola" reads the fields with read_number, sizes the
// filter with compute_filter, writes the two result fields, and draws the
// diagram's segments on the form's retained surface:
//     fields -> calc -> result fields, diagram -> surface.

#include "drawing_surface.h"

#include <QWidget>

#include <array>
#include <optional>
#include <span>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Run_time_error;

class Main_form : public QWidget {
    Q_OBJECT

public:
    explicit Main_form(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The Click of Command1, "Calcola". A failure stops it where it happens
    // and is reported; the program goes on.
    void calculate();
    void draw(std::span<const Plot_segment> segments);
    void report_failure(const Run_time_error &error, std::optional<std::size_t> unreadable_field);

    // The controls keep the names of the window's design; the arrays are
    // indexed as there. Text1: 0 voltage, 1 current, 2 ripple,
    // 3 capacitance, 4 secondary voltage.
    QLabel *Picture1;
    std::array<QLabel *, 5> Label1;
    std::array<QLineEdit *, 5> Text1;
    std::array<QLabel *, 5> Label2;
    QGroupBox *Frame1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *Command1;
    QPushButton *Command2;

    Drawing_surface surface;
    // The user's, from the locale the environment names.
    const std::string decimal_separator;
};
