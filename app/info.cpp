#include "app/info.h"

#include "common/module1.h"
#include "common/version.h"
#include "platform/mdichild.h"
#include "platform/ui.h"

QString InfoText(const QString& crLf)
{
    return u' ' + crLf + version::beschreibung + u' ' + crLf + crLf + QStringLiteral(" Version ")
           + QString::number(version::major) + u'.' + QString::number(version::minor) + u'.'
           + QString::number(version::revision) + u' ' + version::copyright + crLf + crLf
           + QString(version::nutzungsHinweis).replace(QStringLiteral("\r\n"), crLf) + crLf;
}

QString InfoTitel() { return u' ' + version::produktName; }

void Info(FrameServices& frame)
{
    const QString before = frame.status();
    frame.setStatus(QStringLiteral("Info "));
    ui::messageBox(InfoText(module1().CrLf), InfoTitel(), ui::Buttons::Ok, ui::Icon::Information);
    frame.setStatus(before);
}
