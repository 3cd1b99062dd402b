// The language chooser: a small dialog listing the program's languages by
// name. It answers the confirmed language id, or nothing when cancelled.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class QListWidget;
class QDialogButtonBox;

struct TLanguageEntry {
    int Id = 0;       // Windows language id: 1033 English, 1040 Italian, 1031 German
    QString Name;     // shown in the list, in its own language ("Italiano")
};

class TLanguageChooser : public QDialog {
    Q_OBJECT
public:
    TLanguageChooser(const QList<TLanguageEntry>& languages, int currentId, QWidget* parent = nullptr);

    QListWidget* List = nullptr;
    QDialogButtonBox* Buttons = nullptr;

    // The language selected in the list (nothing when none is).
    std::optional<int> SelectedId() const;

    // Runs the chooser modally: the confirmed id, or nothing.
    static std::optional<int> Choose(const QList<TLanguageEntry>& languages, int currentId, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    QList<TLanguageEntry> Languages;
};
