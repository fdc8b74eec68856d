#include "annotations/SpellEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

namespace vellum {

namespace {

const QStringList& defaultFolders() {
    static const QStringList folders{QStringLiteral("/usr/share/hunspell"),
                                     QStringLiteral("/usr/share/myspell"),
                                     QStringLiteral("/usr/share/myspell/dicts")};
    return folders;
}

QStringList& folders() {
    static QStringList list = defaultFolders();
    return list;
}

// A .dic file starts with its word count; Hunspell itself only complains on
// stderr about a file that does not, so we check before handing it over.
bool looksLikeDictionary(const QString& affPath, const QString& dicPath) {
    QFile aff(affPath);
    QFile dic(dicPath);
    if (!aff.open(QIODevice::ReadOnly) || !dic.open(QIODevice::ReadOnly))
        return false;
    bool ok = false;
    const int count = dic.readLine(64).trimmed().toInt(&ok);
    return ok && count > 0;
}

QByteArray encodingOf(Hunspell& engine) {
    QByteArray name = QByteArray::fromStdString(engine.get_dict_encoding());
    return name.isEmpty() ? QByteArrayLiteral("ISO-8859-1") : name;
}

} // namespace

SpellEngine::SpellEngine(std::unique_ptr<Hunspell> engine, QString language, QByteArray encoding)
    : m_engine(std::move(engine)), m_language(std::move(language)),
      m_encoding(std::move(encoding)) {}

SpellEngine::~SpellEngine() = default;

QStringList SpellEngine::searchFolders() {
    return folders();
}
void SpellEngine::setSearchFolders(const QStringList& list) {
    folders() = list;
}
void SpellEngine::resetSearchFolders() {
    folders() = defaultFolders();
}

std::shared_ptr<SpellEngine> SpellEngine::load(const QString& affPath, const QString& dicPath,
                                               const QString& language) {
    if (!looksLikeDictionary(affPath, dicPath))
        return nullptr;
    auto engine = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                             QFile::encodeName(dicPath).constData());
    QByteArray encoding = encodingOf(*engine);
    return std::shared_ptr<SpellEngine>(
        new SpellEngine(std::move(engine), language, std::move(encoding)));
}

std::shared_ptr<SpellEngine> SpellEngine::create() {
    QStringList wanted{QLocale::system().name(), QStringLiteral("en_US")};
    wanted.removeDuplicates();
    for (const QString& language : wanted) {
        for (const QString& folder : folders()) {
            const QDir dir(folder);
            auto engine = load(dir.filePath(language + QStringLiteral(".aff")),
                               dir.filePath(language + QStringLiteral(".dic")), language);
            if (engine)
                return engine;
        }
    }
    for (const QString& folder : folders()) {
        const QDir dir(folder);
        const auto dics = dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files, QDir::Name);
        for (const QFileInfo& dic : dics) {
            const QString language = dic.completeBaseName();
            auto engine =
                load(dir.filePath(language + QStringLiteral(".aff")), dic.filePath(), language);
            if (engine)
                return engine;
        }
    }
    return nullptr;
}

bool SpellEngine::isCorrect(const QString& word) const {
    QStringEncoder encode(m_encoding.constData());
    const QByteArray bytes = encode(word);
    return m_engine->spell(bytes.toStdString());
}

QStringList SpellEngine::suggestions(const QString& word) const {
    QStringEncoder encode(m_encoding.constData());
    QStringDecoder decode(m_encoding.constData());
    const QByteArray bytes = encode(word);
    QStringList result;
    for (const std::string& s : m_engine->suggest(bytes.toStdString()))
        result << decode(QByteArray::fromStdString(s));
    return result;
}

void SpellEngine::accept(const QString& word) {
    QStringEncoder encode(m_encoding.constData());
    m_engine->add(QByteArray(encode(word)).toStdString());
}

} // namespace vellum
