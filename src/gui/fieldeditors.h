#pragma once

#include "model/song.h"

#include <QList>
#include <QMetaObject>
#include <QObject>

class EditorController;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Binds the editor's field controls to the selected songs: one common value
// is shown as it is, differing values leave the field empty with a
// "Multiple values" placeholder and offer the distinct values in the combo
// box. What the user commits is set on every selected song.
class FieldEditors : public QObject
{
    Q_OBJECT
public:
    explicit FieldEditors(EditorController &controller, QObject *parent = nullptr);

    // A combo box editing FIELD of the selection.
    void bind(QComboBox *box, Song::Field field);
    void bindCompilation(QCheckBox *box);
    void bindFileName(QLineEdit *edit);

    // Shows the selection's values again.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ComboBinding
    {
        QComboBox *box;
        Song::Field field;
    };
    void commit(Song::Field field, const QString &text);
    void refreshSoon();
    void watchSelection();
    void commitCombo(const ComboBinding &binding);

    EditorController &m_controller;
    QList<ComboBinding> m_combos;
    QCheckBox *m_compilation = nullptr;
    QLineEdit *m_fileName = nullptr;
    QList<QMetaObject::Connection> m_songConnections;
    bool m_refreshPending = false;
    bool m_refreshing = false;
};
