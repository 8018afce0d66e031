// The interface language: Polish is the language the texts are written in
// (tr() source texts), English comes from the translation compiled into the
// program (":/i18n/trv630_en.qm"). Switching installs or removes one
// QTranslator; Qt then sends QEvent::LanguageChange to every window, and
// each page sets its texts again in its retranslate().
//
// Threading: GUI thread only. The translator is application-wide, so only
// one Language object may be alive at a time (the main window's).
#pragma once

#include <QIcon>
#include <QString>

#include <memory>

class QComboBox;
class QTranslator;

namespace trv630 {

class Language {
public:
    /// Language numbers as the language drop-down counts them plus one.
    enum Number : int { Polish = 1, English = 2 };
    static constexpr int count = 2;

    Language();
    ~Language(); ///< removes the translator: the next window starts in Polish
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    int active() const { return active_; }

    /// Makes n the active language. The same language again does nothing.
    /// A number other than 1 or 2 throws trv630::Error ("TFMain: 0 - is not
    /// a valid property value!...") and leaves the active language as it is.
    void setActive(int n);

    /// "Polski" / "English" (never translated), position 0 or 1.
    static QString name(int position);
    /// A small flag of our own drawing for the language at this position.
    static QIcon flag(int position);
    /// Fills a drop-down with the two languages and their flags.
    static void fillCombo(QComboBox* combo);

private:
    std::unique_ptr<QTranslator> translator_;
    int active_ = Polish;
};

} // namespace trv630
