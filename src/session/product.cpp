#include "product.h"

#include <QCoreApplication>

namespace q731 {

QString ProductTitle(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Radio Programming Software")
                                         : QStringLiteral("Q-731 对讲机编程软件");
}

QString ProgramVersion()
{
    return QStringLiteral(Q731_VERSION);
}

QString MainWindowCaption(Language language)
{
    // The Chinese title runs on without a space.
    const QString separator =
        language == Language::English ? QStringLiteral(" V") : QStringLiteral("V");
    return ProductTitle(language) + separator + ProgramVersion();
}

QString EditionText(Language language)
{
    return (language == Language::English ? QStringLiteral("English edition V%1")
                                          : QStringLiteral("简体中文版 V%1"))
        .arg(ProgramVersion());
}

QString MakerName(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Software Team")
                                         : QStringLiteral("Q-731 编程软件开发组");
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace q731
