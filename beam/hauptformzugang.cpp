// What a screen reader says of the beam form's controls.
#include "beam/frmhauptform.h"

#include "beam/bands.h"
#include "platform/accessiblenames.h"

#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

void frmHauptform::nameControls()
{
    // Fields are read by their captions, result labels with them.
    nameByCaption(Label1, Text1);
    nameByCaption(Label7, Text4);
    nameByCaption(Label8, Combo1);
    nameByCaption(Label12, Combo2);
    nameByCaption(Label10, Text6);
    nameByCaption(Label11, Text7);
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    nameByCaption(Label2, Label3);
    nameByCaption(Label4, Label5);
    readWithCaption(Label3, Label2->text(), QStringLiteral("MHz"));
    readWithCaption(Label5, Label4->text(), QStringLiteral("MHz"));
    readWithCaption(Info, QStringLiteral("Info"));
    for (QGroupBox* group : {Frame1, Frame2, Frame3, Frame5})
        group->setAccessibleName(spokenCaption(group->title()));

    // The spinner's value is the shortening in thousandths, what it sets is the factor.
    VkSteller->setAccessibleName(QStringLiteral("Verkürzungsfaktor-Steller"));
    VkSteller->setAccessibleDescription(
        QStringLiteral("ändert den Verkürzungsfaktor in Schritten von 0,001; Wert: Verkürzung in Promille"));

    // A band button alone says only "14"; with its group it says "Band 14".
    for (int i = 0; i < AndereBand; ++i)
        option2(i)->setAccessibleName(QStringLiteral("Band ") + option2(i)->text());
    option2(AndereBand)->setAccessibleName(QStringLiteral("anderes Band"));
}
