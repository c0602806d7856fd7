#include "product.h"

#include "session/qt_translations.h"

#include <QCoreApplication>

namespace q731 {

QString ProductTitle(Language language)
{
    const TextsIn translate(language);
    return translate("Product", "Q-731 对讲机编程软件");
}

QString ProgramVersion()
{
    return QStringLiteral(Q731_VERSION);
}

QString MainWindowCaption(Language language)
{
    const TextsIn translate(language);
    // The Chinese title runs on without a space.
    return translate("Product", "%1V%2").arg(ProductTitle(language), ProgramVersion());
}

QString EditionText(Language language)
{
    const TextsIn translate(language);
    return translate("Product", "简体中文版 V%1").arg(ProgramVersion());
}

QString MakerName(Language language)
{
    const TextsIn translate(language);
    return translate("Product", "Q-731 编程软件开发组");
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace q731
