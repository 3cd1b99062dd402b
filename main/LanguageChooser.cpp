// The language chooser dialog (see LanguageChooser.h).
#include "LanguageChooser.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TLanguageChooser::TLanguageChooser(const QList<TLanguageEntry>& languages, int currentId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Languages(languages)
{
    setObjectName(QStringLiteral("LanguageChooser"));
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("LanguageList"));
    for (const TLanguageEntry& language : Languages) {
        auto* item = new QListWidgetItem(language.Name, List);
        item->setData(Qt::UserRole, language.Id);
        if (language.Id == currentId)
            List->setCurrentItem(item);
    }
    if (!List->currentItem() && List->count() > 0)
        List->setCurrentRow(0);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->setObjectName(QStringLiteral("LanguageButtons"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List);
    layout->addWidget(Buttons);
    resize(260, 220);
    Retranslate();
}

void TLanguageChooser::Retranslate()
{
    setWindowTitle(tr("Language"));
    if (auto* ok = Buttons->button(QDialogButtonBox::Ok))
        ok->setText(tr("OK"));
    if (auto* cancel = Buttons->button(QDialogButtonBox::Cancel))
        cancel->setText(tr("Cancel"));
}

void TLanguageChooser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

std::optional<int> TLanguageChooser::SelectedId() const
{
    const QListWidgetItem* item = List->currentItem();
    if (!item)
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

std::optional<int> TLanguageChooser::Choose(const QList<TLanguageEntry>& languages, int currentId, QWidget* parent)
{
    TLanguageChooser chooser(languages, currentId, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.SelectedId();
}
