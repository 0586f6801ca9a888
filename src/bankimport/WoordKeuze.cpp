#include "bankimport/WoordKeuze.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

WoordKeuze::WoordKeuze(QStringList woorden, QObject *parent)
    : CelTips(parent)
    , m_woorden(std::move(woorden))
{
}

QWidget *WoordKeuze::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    auto *keuze = new QComboBox(parent);
    keuze->setObjectName(QStringLiteral("WoordKeuze"));
    keuze->setEditable(true);
    // What is typed is the row's description, not a new item of the list to choose from.
    keuze->setInsertPolicy(QComboBox::NoInsert);
    keuze->setFont(option.font);
    keuze->addItems(m_woorden);
    // Enter reaches the delegate through the line edit, which keeps it to itself when it accepts
    // a completion; watching changes nothing of the delegate.
    keuze->lineEdit()->installEventFilter(const_cast<WoordKeuze *>(this));
    return keuze;
}

void WoordKeuze::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *keuze = static_cast<QComboBox *>(editor);
    const QString omschrijving = index.data(Qt::EditRole).toString();
    keuze->setCurrentIndex(keuze->findText(omschrijving, Qt::MatchExactly));
    keuze->setEditText(omschrijving);
    // A key typed on the row replaces the description, as in any input.
    keuze->lineEdit()->selectAll();
}

void WoordKeuze::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    // The word as chosen or typed, in its own capitals: Geldlog learns it as the same word.
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}

void WoordKeuze::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    // As high as the combo box needs, over the row it edits.
    QRect plaats = option.rect;
    plaats.setHeight(std::max(plaats.height(), editor->sizeHint().height()));
    plaats.moveCenter(QPoint(plaats.center().x(), option.rect.center().y()));
    editor->setGeometry(plaats);
}

bool WoordKeuze::eventFilter(QObject *object, QEvent *event)
{
    // Enter takes the description as typed or completed, as in any cell.
    auto *invoer = qobject_cast<QLineEdit *>(object);
    if (invoer && event->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent *>(event)->key();
        auto *keuze = qobject_cast<QComboBox *>(invoer->parentWidget());
        if (keuze && (toets == Qt::Key_Return || toets == Qt::Key_Enter)) {
            Q_EMIT commitData(keuze);
            Q_EMIT closeEditor(keuze, SubmitModelCache);
            return true;
        }
    }
    return CelTips::eventFilter(object, event);
}
