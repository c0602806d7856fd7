#pragma once

#include "editors/editor_window.h"

#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace q731 {

struct DtmfSettings;

// The DTMF window (Form2): eight auto-dial memories on one page, the ANI
// codes, own code, rate, first-digit delay and group-call code on the other.
// Every field edits session.data().dtmf at once.
class DtmfWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit DtmfWindow(Session &session, QWidget *parent = nullptr);

    // The page buttons.
    void showMemoriesPage();
    void showOtherPage();

private:
    // The name under which an edit of `control` is one undo step.
    QString fieldName(const QWidget *control) const;
    QLineEdit *addCodeField(QWidget *frame, const QString &name, int maxLength, std::string *text);
    QComboBox *addList(QWidget *frame, const QString &name, const QStringList &items,
                       int DtmfSettings::*field);
    void refreshFromRecord();

    QGroupBox *m_memoriesGroup = nullptr;
    QGroupBox *m_otherGroup = nullptr;
    QRadioButton *m_memoriesPageButton = nullptr;
    QRadioButton *m_otherPageButton = nullptr;
    std::vector<std::pair<QLineEdit *, std::string *>> m_texts;
    std::vector<std::pair<QComboBox *, int DtmfSettings::*>> m_lists;
    bool m_refreshing = false;
};

} // namespace q731
