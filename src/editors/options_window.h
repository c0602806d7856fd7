#pragma once

#include "editors/editor_window.h"

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace q731 {

enum class HiddenMode;
struct OptionalFeatures;

// The optional features window (Form3): the general functions and the VFO
// channel on two pages, the VOX group, and the labels that unlock the hidden
// service modes. Every field edits the options through the session; the channel
// numbers and the VFO frequency and offset take effect when the field is left.
class OptionsWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit OptionsWindow(Session &session, QWidget *parent = nullptr);

    void commitPendingEdits() override;

private:
    // The page buttons.
    void showFunctionsPage();
    void showVfoPage();

    struct LeaveField
    {
        QLineEdit *edit = nullptr;
        std::string OptionalFeatures::*text = nullptr;
        void (OptionsWindow::*check)(QLineEdit *) = nullptr;
        bool pending = false; // typed into and not yet left
    };

    void createFields();
    void createTextField(QLineEdit *edit, std::string OptionalFeatures::*text);
    void refreshFromRecord();
    void hiddenModeChanged(HiddenMode mode, bool on);

    void leave(LeaveField &field);
    // Every change of a field goes through here, as one undoable edit.
    void edit(const QWidget *control, const std::function<void(OptionalFeatures &)> &change);
    // The leave checks, each leaving the text the field keeps.
    void checkChannelNumber(QLineEdit *edit);
    void checkVfoFrequency(QLineEdit *edit);
    void checkVfoOffset(QLineEdit *edit);

    QGroupBox *m_voxGroup = nullptr;
    QGroupBox *m_functionsGroup = nullptr;
    QGroupBox *m_vfoGroup = nullptr;
    QRadioButton *m_functionsPageButton = nullptr;
    QRadioButton *m_vfoPageButton = nullptr;
    QCheckBox *m_allowCancelOperating = nullptr;
    QCheckBox *m_voxOffWhileReceiving = nullptr;
    std::vector<std::pair<QComboBox *, int OptionalFeatures::*>> m_lists;
    std::vector<std::pair<QLineEdit *, std::string OptionalFeatures::*>> m_texts;
    std::vector<LeaveField> m_leaveFields;
    bool m_refreshing = false;
};

} // namespace q731
