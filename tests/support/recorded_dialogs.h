#pragma once

#include "gui/widgets/dialogs.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace trelkin::testing {

// Answers the window's dialogs for the life of one test and remembers what they said: information boxes as
// "TITLE:TEXT", confirmations as their text, error boxes as their title and text, file dialogs as their caption and
// the name they propose.
class RecordedDialogs {
public:
    RecordedDialogs() {
        m_previous = ui::setDialogs({
            [this](QWidget*, const QString& title, const QString& text) { informations << title + ":" + text; },
            [this](QWidget*, const QString&, const QString& text) {
                confirmations << text;
                if (whileAsked)
                    whileAsked();
                return answerYes;
            },
            [this](QWidget*, const QString& title, const QString& text) {
                errorTitles << title;
                errors << text;
            },
            [this](QWidget*, const QString& caption, const QStringList&, const QString& proposedName) {
                saveCaptions << caption;
                proposedNames << proposedName;
                return saveTo;
            },
        });
    }
    ~RecordedDialogs() { ui::setDialogs(std::move(m_previous)); }
    RecordedDialogs(const RecordedDialogs&) = delete;
    RecordedDialogs& operator=(const RecordedDialogs&) = delete;

    QStringList informations;
    QStringList confirmations;
    QStringList errorTitles;
    QStringList errors;
    QStringList saveCaptions;
    QStringList proposedNames;

    // How the test answers: "はい" or "いいえ", and the file to save to (none: cancelled).
    bool answerYes = false;
    std::optional<ui::SaveFileChoice> saveTo;
    // Runs while a confirmation is open, as the user takes time to answer.
    std::function<void()> whileAsked;

private:
    ui::Dialogs m_previous;
};

} // namespace trelkin::testing
