#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

namespace vellum {

// The spelling engine behind every "Spell Check" button: a Hunspell
// dictionary for the user's language, falling back to en_US and then to any
// dictionary installed in the search folders.
class SpellEngine {
public:
    ~SpellEngine();

    // Loads the best dictionary found; nothing when none loads.
    static std::shared_ptr<SpellEngine> create();

    // Folders searched for <lang>.aff / <lang>.dic pairs. Tests point this at
    // a folder of their own.
    static QStringList searchFolders();
    static void setSearchFolders(const QStringList& folders);
    static void resetSearchFolders();

    QString language() const { return m_language; }
    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;
    // Words accepted for the rest of the run ("Ignore All", "Add").
    void accept(const QString& word);

private:
    SpellEngine(std::unique_ptr<Hunspell> engine, QString language, QByteArray encoding);
    static std::shared_ptr<SpellEngine> load(const QString& affPath, const QString& dicPath,
                                             const QString& language);

    std::unique_ptr<Hunspell> m_engine;
    QString m_language;
    QByteArray m_encoding;
};

} // namespace vellum
