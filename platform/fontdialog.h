#pragma once
// The font dialog: family, size, style, effects and colour in one small window. It shows the
// family under the name the text uses, even where that name is only an alias of an installed
// font, and OK without a change returns exactly what it was given.

#include "platform/ui.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const ui::FontChoice& preset, QWidget* parent = nullptr);

    ui::FontChoice choice() const;
    // What the colour button sets after its own dialog.
    void setColour(const QColor& colour);

    QComboBox* family;
    QDoubleSpinBox* size;
    QCheckBox *bold, *italic, *strikeOut, *underline;
    QPushButton* colourButton;
    QLabel *resolved, *sample;

private:
    void chooseColour();
    void showSample();

    ui::FontChoice preset;
    std::optional<QColor> colour;
    double shownSize = 0;  // the preset size as the box rounded it
};
