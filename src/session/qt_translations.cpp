#include "qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <iterator>

namespace q731 {

namespace {

const QString kTranslatorName = QStringLiteral("q731QtTranslations");
const QString kChineseCatalogue = QStringLiteral("qtbase_zh_CN.qm");
const QString kProgramTranslatorName = QStringLiteral("q731ProgramTranslations");

constexpr LanguageTraits kTraits[] = {
    {"zh", "zh_CN", "HV17.CHM"},
    {"en", "en", "HV17E.CHM"},
};

QString ProgramCatalogue(Language language)
{
    return QStringLiteral(":/translations/q731_%1.qm")
        .arg(QLatin1String(TraitsOf(language).locale));
}

// One catalogue per language, loaded once, for TextIn. They are never
// installed, so they answer whatever the user's language is.
const QTranslator *CatalogueOf(Language language)
{
    static QTranslator chinese;
    static QTranslator english;
    static const bool loaded[] = {chinese.load(ProgramCatalogue(Language::Chinese)),
                                  english.load(ProgramCatalogue(Language::English))};
    const bool isEnglish = language == Language::English;
    return loaded[isEnglish ? 1 : 0] ? (isEnglish ? &english : &chinese) : nullptr;
}

// The translator lives as a child of the application, so that there is one
// per application and it goes with it.
QTranslator *InstalledTranslator(QCoreApplication *app)
{
    return app->findChild<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly);
}

} // namespace

const LanguageTraits &TraitsOf(Language language)
{
    const auto index = static_cast<std::size_t>(language);
    return kTraits[index < std::size(kTraits) ? index : 0];
}

const GridLists &GridListsIn(Language language)
{
    static const std::array<GridLists, std::size(kTraits)> lists = [] {
        std::array<GridLists, std::size(kTraits)> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = GridLists::Translated([i](const char *context, const char *source) {
                return TextIn(static_cast<Language>(i), context, source).toStdString();
            });
        }
        return all;
    }();
    const auto index = static_cast<std::size_t>(language);
    return lists[index < lists.size() ? index : 0];
}

std::vector<GridLists> EveryGridLists(Language shown)
{
    std::vector<GridLists> every{GridListsIn(shown)};
    for (std::size_t i = 0; i < std::size(kTraits); ++i) {
        if (static_cast<Language>(i) != shown)
            every.push_back(GridListsIn(static_cast<Language>(i)));
    }
    return every;
}

bool ApplyProgramTranslations(Language language)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    QTranslator *previous =
        app->findChild<QTranslator *>(kProgramTranslatorName, Qt::FindDirectChildrenOnly);
    // Every session installs its language when it is made: the catalogue in
    // place already is neither loaded again nor announced to every widget.
    if (previous && previous->language() == QLatin1String(TraitsOf(language).locale))
        return true;
    auto *translator = new QTranslator(app);
    if (!translator->load(ProgramCatalogue(language))) {
        delete translator;
        return false;
    }
    // The new catalogue goes in before the old one leaves, so that no
    // LanguageChange ever finds the program without one.
    translator->setObjectName(kProgramTranslatorName);
    QCoreApplication::installTranslator(translator);
    delete previous;
    return true;
}

QString TextIn(Language language, const char *context, const char *source,
               const char *disambiguation, int n)
{
    QString text;
    if (const QTranslator *catalogue = CatalogueOf(language))
        text = catalogue->translate(context, source, disambiguation, n);
    if (text.isNull())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QString TextIn(Language language, const MarkedText &text)
{
    QString out = TextIn(language, text.context, text.pattern);
    for (const MarkedText::Argument &argument : text.arguments)
        out = out.arg(argument.text ? TextIn(language, text.context, argument.text)
                                    : QString::number(argument.number));
    return out;
}

QStringList QtTranslationFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("translations"));
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return folders;
}

QString QtCatalogueFile(Language language)
{
    if (language != Language::Chinese)
        return {};
    for (const QString &folder : QtTranslationFolders()) {
        const QString path = QDir(folder).filePath(kChineseCatalogue);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool ApplyQtTranslations(Language language)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    QTranslator *installed = InstalledTranslator(app);
    if (language == Language::English) {
        // Removing the catalogue tells every widget to take Qt's texts anew.
        delete installed;
        return true;
    }
    if (installed)
        return true;
    const QString path = QtCatalogueFile(language);
    if (path.isEmpty())
        return false;
    auto *translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace q731
