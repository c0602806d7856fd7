#pragma once

#include "editors/editor_window.h"

#include <functional>
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
// Every field edits the session's DTMF record at once, through the session.
class DtmfWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit DtmfWindow(Session &session, QWidget *parent = nullptr);

private:
    // The page buttons.
    void showMemoriesPage();
    void showOtherPage();

    // Where a text field keeps its value in the record.
    using TextField = std::function<std::string &(DtmfSettings &)>;

    // The name under which an edit of `control` is one undo step.
    QString fieldName(const QWidget *control) const;
    QLineEdit *addCodeField(QWidget *frame, const QString &name, int maxLength, TextField field);
    QComboBox *addList(QWidget *frame, const QString &name, const QStringList &items,
                       int DtmfSettings::*field);
    void refreshFromRecord();

    QGroupBox *m_memoriesGroup = nullptr;
    QGroupBox *m_otherGroup = nullptr;
    QRadioButton *m_memoriesPageButton = nullptr;
    QRadioButton *m_otherPageButton = nullptr;
    std::vector<std::pair<QLineEdit *, TextField>> m_texts;
    std::vector<std::pair<QComboBox *, int DtmfSettings::*>> m_lists;
    bool m_refreshing = false;
};

} // namespace q731
