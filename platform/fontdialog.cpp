#include "platform/fontdialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A check box that can show "mixed" for an attribute without a single value.
QCheckBox* styleBox(const QString& text, const std::optional<bool>& value, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setTristate(!value.has_value());
    box->setCheckState(!value ? Qt::PartiallyChecked : *value ? Qt::Checked : Qt::Unchecked);
    // Once clicked, the box has a value; it does not go back to "mixed".
    QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    return box;
}

std::optional<bool> valueOf(const QCheckBox* box)
{
    if (box->checkState() == Qt::PartiallyChecked)
        return std::nullopt;
    return box->checkState() == Qt::Checked;
}
} // namespace

FontDialog::FontDialog(const ui::FontChoice& preset, QWidget* parent) : QDialog(parent), preset(preset), colour(preset.colour)
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Schrift"));

    family = new QComboBox(this);
    family->setObjectName(QStringLiteral("family"));
    // The name the text uses comes first, whether or not a font of that name is installed.
    QStringList families = QFontDatabase::families();
    if (!preset.family.isEmpty() && !families.contains(preset.family))
        families.prepend(preset.family);
    if (preset.family.isEmpty())
        families.prepend(QString());
    family->addItems(families);
    family->setCurrentIndex(std::max(0, int(families.indexOf(preset.family))));
    resolved = new QLabel(this);

    size = new QDoubleSpinBox(this);
    size->setObjectName(QStringLiteral("size"));
    size->setDecimals(1);
    // The lowest value stands for "mixed sizes" and shows empty.
    size->setRange(0, 1638);
    size->setSpecialValueText(QStringLiteral(" "));
    size->setValue(preset.pointSize > 0 ? preset.pointSize : 0);
    shownSize = size->value();

    bold = styleBox(QStringLiteral("&Fett"), preset.bold, this);
    italic = styleBox(QStringLiteral("&Kursiv"), preset.italic, this);
    strikeOut = styleBox(QStringLiteral("&Durchgestrichen"), preset.strikeOut, this);
    underline = styleBox(QStringLiteral("&Unterstrichen"), preset.underline, this);

    colourButton = new QPushButton(QStringLiteral("F&arbe ..."), this);
    colourButton->setObjectName(QStringLiteral("colour"));
    connect(colourButton, &QPushButton::clicked, this, &FontDialog::chooseColour);

    sample = new QLabel(QStringLiteral("AaBbÄäÖöÜüß 0123"), this);
    sample->setMinimumHeight(60);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Schriftart:"), family);
    form->addRow(QString(), resolved);
    form->addRow(QStringLiteral("&Größe:"), size);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {bold, italic, strikeOut, underline})
        styles->addWidget(box);
    form->addRow(QStringLiteral("Stil:"), styles);
    form->addRow(QStringLiteral("Farbe:"), colourButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sample);
    layout->addWidget(buttons);

    connect(family, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    connect(size, &QDoubleSpinBox::valueChanged, this, &FontDialog::showSample);
    for (QCheckBox* box : {bold, italic, strikeOut, underline})
        connect(box, &QCheckBox::stateChanged, this, &FontDialog::showSample);
    setColour(colour.value_or(QColor()));
    colour = preset.colour;
    showSample();
}

ui::FontChoice FontDialog::choice() const
{
    ui::FontChoice c;
    c.family = family->currentText();
    c.pointSize = size->value() > 0 ? size->value() : 0;
    // An unchanged size keeps the exact value it was given, not the one the box rounded.
    if (size->value() == shownSize)
        c.pointSize = preset.pointSize;
    c.bold = valueOf(bold);
    c.italic = valueOf(italic);
    c.strikeOut = valueOf(strikeOut);
    c.underline = valueOf(underline);
    c.colour = colour;
    return c;
}

void FontDialog::setColour(const QColor& chosen)
{
    if (chosen.isValid())
        colour = chosen;
    QPixmap swatch(24, 14);
    swatch.fill(colour.value_or(QColor(Qt::transparent)));
    colourButton->setIcon(QIcon(swatch));
    showSample();
}

void FontDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(colour.value_or(Qt::black), this, QStringLiteral("Farbe"));
    if (chosen.isValid())
        setColour(chosen);
}

void FontDialog::showSample()
{
    QFont font;
    if (!family->currentText().isEmpty())
        font.setFamilies({family->currentText()});
    if (size->value() > 0)
        font.setPointSizeF(size->value());
    font.setBold(bold->checkState() == Qt::Checked);
    font.setItalic(italic->checkState() == Qt::Checked);
    font.setStrikeOut(strikeOut->checkState() == Qt::Checked);
    font.setUnderline(underline->checkState() == Qt::Checked);
    sample->setFont(font);
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, colour.value_or(palette.color(QPalette::WindowText)));
    sample->setPalette(palette);
    // A name that is only an alias shows which installed font stands in for it.
    const QString real = QFontInfo(font).family();
    resolved->setText(family->currentText().isEmpty() || real == family->currentText()
                          ? QString()
                          : QStringLiteral("dargestellt als %1").arg(real));
}
