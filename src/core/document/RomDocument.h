#pragma once

#include "core/document/History.h"
#include "core/rom/Result.h"
#include "core/rom/RomImage.h"

#include <QObject>
#include <QString>

#include <vector>

namespace quindaro2 {

struct EditionProfile;

// The opened ROM as one document: its bytes in memory are the one model of
// every team of the league, read in the edition the user chose, with the
// history of the edits made to them. Grids, colours and figures are computed
// from these bytes; an edit is a change of them.
class RomDocument : public QObject {
    Q_OBJECT

public:
    RomDocument(QString path, const EditionProfile& profile, RomImage image, QObject* parent = nullptr);

    // The ROM file: every save writes it, and a save under another name makes
    // that file the document's.
    const QString& path() const { return path_; }
    const EditionProfile& profile() const { return profile_; }
    int edition() const;
    // The bytes as edited.
    const RomImage& image() const { return image_; }
    // The bytes as the file held them when read or last saved.
    const RomImage& fileImage() const { return fileImage_; }

    // Edits not yet in the file: the history is not at its saved point.
    bool modified() const { return !history_.atSaved(); }
    const History& history() const { return history_; }

    // Makes the step's changes in order and records the step; refused, with
    // nothing changed, when a change does not fit the bytes as they are.
    Status apply(Step step);
    // Takes back the newest step done, or makes again the oldest undone;
    // refused like a step that does not fit.
    Status undo();
    Status redo();

    // Back to the bytes of the file, with the history emptied.
    void revertToFile();
    // Empties the history, keeping the bytes.
    void forgetHistory();
    // The file `path` now holds `written`: it becomes the document's file,
    // and the edited bytes and the saved point become what it holds.
    void markSaved(const QString& path, RomImage written);

    // The teams whose bytes differ from the file's, in team order.
    std::vector<int> changedTeams() const;

Q_SIGNALS:
    // Bytes of these teams changed: an edit, an undo, a redo, a revert or a save.
    void teamsChanged(const std::vector<int>& teams);
    // A step was made (forward) or taken back, after its bytes changed.
    void stepMade(const Step& step, bool forward);
    void historyChanged();
    void modifiedChanged(bool modified);

private:
    Status makeStep(const Step& step, bool forward);
    void announce(const std::vector<int>& teams, bool wasModified);

    QString path_;
    const EditionProfile& profile_;
    RomImage image_;
    RomImage fileImage_;
    History history_;
};

} // namespace quindaro2
