#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

// The language module in use: the translation file <language name>.qm,
// installed in the application so that every tr() text comes from it.
class LanguageModule {
public:
    explicit LanguageModule(QStringList directories);
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Loads the module of languageName. The new module is loaded first and the
    // old one released only when that worked, so the program is never left
    // without texts; on failure the old module stays in force.
    bool Load(const QString& languageName);

    bool IsLoaded() const { return m_Translator != nullptr; }
    const QString& LoadedPath() const { return m_Path; }
    const QStringList& Directories() const { return m_Directories; }

private:
    QStringList m_Directories;
    std::unique_ptr<QTranslator> m_Translator;
    QString m_Path;
};
