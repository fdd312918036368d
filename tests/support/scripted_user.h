#pragma once
// Answers the operations' dialogs and questions from a script and records
// everything they showed, in order.
#include "core/user_seam.h"
#include "support/qt_print.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace dw::test {

class ScriptedUser : public UserSeam {
public:
    // Answers, used in order; a dialog or question without an answer left fails the test.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<bool> yesNoAnswers;

    // What happened, one line per effect ("message FEHLER!|text", "open title", ...).
    QStringList log;
    std::vector<FileDialogRequest> dialogs;
    std::vector<GadgetRecord> rows;
    QString formLabel = QStringLiteral("<unset>");
    QString projectLabel = QStringLiteral("<unset>");

    QString chooseFileToOpen(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        log << QStringLiteral("open ") + request.title;
        return take(openAnswers);
    }
    QString chooseFileToSave(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        log << QStringLiteral("save ") + request.title;
        return take(saveAnswers);
    }
    void showMessage(const QString& title, const QString& text) override {
        log << QStringLiteral("message ") + title + u'|' + text;
    }
    bool askYesNo(const QString& title, const QString& text) override {
        log << QStringLiteral("ask ") + title + u'|' + text;
        if (yesNoAnswers.empty()) {
            log << QStringLiteral("UNSCRIPTED QUESTION");
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void clearGadgetRows() override {
        rows.clear();
        log << QStringLiteral("clear rows");
    }
    void appendGadgetRows(std::span<const GadgetRecord> added) override {
        log << QStringLiteral("rows %1").arg(added.size());
        rows.insert(rows.end(), added.begin(), added.end());
    }
    void setFormFileLabel(const QString& text) override {
        formLabel = text;
        log << QStringLiteral("form label ") + text;
    }
    void setProjectFileLabel(const QString& text) override {
        projectLabel = text;
        log << QStringLiteral("project label ") + text;
    }

    QStringList messages() const { return log.filter(QStringLiteral("message ")); }

    // The six column texts of a row, as the list shows them.
    QStringList rowTexts(std::size_t row) const {
        QStringList texts;
        for (int column = 0; column < 6; ++column)
            texts << GadgetRowText(rows.at(row), column);
        return texts;
    }

private:
    QString take(std::deque<QString>& answers) {
        if (answers.empty()) {
            log << QStringLiteral("UNSCRIPTED DIALOG");
            return QString();
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace dw::test
