#pragma once

#include <QString>

#include <optional>

namespace quindaro2 {

enum class SaveAnswer { Yes, No, Cancel };

// The questions and warnings of saving, as the save commands use them. The
// editor shows message boxes and the save dialog; tests give scripted answers.
class SavePrompts {
public:
    virtual ~SavePrompts() = default;

    // "データが変更されています．保存しますか？"; a third button "キャンセル" when offered.
    virtual SaveAnswer AskToSaveChanges(bool offerCancel) = 0;
    // The save dialog preset with a folder and a file name; none when cancelled.
    virtual std::optional<QString> AskSaveTarget(const QString& folder, const QString& fileName) = 0;
    // The shown team's data in the file changed after it was read, by another
    // program: true to overwrite it with the shown team all the same.
    virtual bool AskOverwriteChangedTeam(const QString& fileName) = 0;
    // The chosen save target is another file that exists already: true to
    // replace it.
    virtual bool AskReplaceFile(const QString& path) = 0;
    // A warning box titled "警告".
    virtual void Warn(const QString& text) = 0;
};

} // namespace quindaro2
