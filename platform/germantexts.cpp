#include "platform/germantexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

std::unique_ptr<QTranslator> installGermanQtTexts()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
