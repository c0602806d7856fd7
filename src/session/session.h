#pragma once

#include "image/band_list.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "image/records.h"
#include "session/channel_changes.h"
#include "session/session_prompts.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace q731 {

enum class HiddenMode { BandOverride, Calibration, ExtraOptions };

// The state that lives as long as the main window: the language, the radio
// image, every record the editors show, the band, the link flags and the
// hidden service modes, with the operations on them (New, the band change,
// decode and encode). Windows show and edit the records and listen to the
// signals; the session knows no widget and asks its questions through the
// prompts it is given.
class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(QObject *parent = nullptr);

    Language language() const { return m_language; }
    void setLanguage(Language language);

    // The records change only through the operations below, each of which
    // announces what it changed.
    const RadioImage &image() const { return m_image; }
    // The image that a read brought in (for decodeImage() to take apart) or
    // that a save encoded.
    void setImage(const RadioImage &image);
    const RadioData &data() const { return m_data; }

    // Band list index 0..7 and the limits parsed from its item text.
    int bandIndex() const { return m_data.bandIndex; }
    void setBandIndex(int index);
    int bandLowMHz() const { return BandLimitsOf(m_data.bandIndex).lowMHz; }
    int bandHighMHz() const { return BandLimitsOf(m_data.bandIndex).highMHz; }

    // The user's choice of another band: asks first (nothing when `index` is
    // the band already selected); OK empties the channel table and puts the
    // VFO frequency in the middle of the new band, as one undoable change.
    // False when the band stays as it was (Cancel, no such band).
    bool chooseBand(int index);

    // New: asks first; OK selects band 400-470MHz without a further question
    // and puts the channels, DTMF and optional features to their start
    // values (FM and calibration keep theirs), as a fresh start that cannot
    // be undone. False when nothing changed.
    bool startNew();

    // Where questions go. Without prompts every question is answered Cancel.
    void setPrompts(SessionPrompts *prompts) { m_prompts = prompts; }

    bool hiddenMode(HiddenMode mode) const;
    void setHiddenMode(HiddenMode mode, bool on);

    // Image -> records (every window refreshes through the signals).
    void decodeImage();
    // An image and the records decoded from it elsewhere (Open) take the place
    // of the session's, as decodeImage() would have left them.
    void takeDecoded(const RadioImage &image, RadioData data);
    // Editors commit what is being typed (commitRequested), then records -> image.
    void encodeImage();
    // Every editor takes a field still being edited into the records.
    void commitEdits() { emit commitRequested(); }

    // A change of the channel table that is no edit of its own: the name box
    // while it is typed in, the grid read back before a language switch. The
    // grid that makes it already shows it (channelsAltered tells the rest).
    void alterChannels(const std::function<void(ChannelTable &)> &change);
    // An edit of the channel table: `change` alters the channels, and the
    // edit is reported as one change (channelsEdited) when a channel then
    // reaches the radio differently from `before` (the table as the edit
    // began; when none is given, as `change` found it).
    void editChannels(const QString &label, const std::function<void(ChannelTable &)> &change,
                      const ChannelTable *before = nullptr);
    // Replaces the whole channel table as one change (an import of many channels).
    void replaceChannels(const QString &label, const ChannelTable &channels);
    // Undo and redo: the channels, and with a band change the band and the VFO
    // frequency, as the change kept them.
    void restoreChannelState(const ChannelState &state);

    // The settings as they stand.
    SettingsState settings() const;
    // An edit in a settings window: `change` alters the records, and when they
    // then differ it is reported as one change of `field` (settingsEdited), a
    // name that tells the fields apart (the control's name). Edits of one
    // field that follow each other make one step unless `separate`.
    void editSettings(const QString &field, const std::function<void(RadioData &)> &change,
                      bool separate = false);
    // Undo and redo of such an edit: every window that shows a restored record
    // shows it at once.
    void restoreSettings(const SettingsState &state);

    // Something was edited since the last Open, Save, Read, completed write or
    // New. The undo history keeps it: it knows whether undo and redo brought
    // the records back to the saved state.
    void setUnsavedChanges(bool unsaved);
    // The records as they stand are kept in a file.
    void markSaved();
    // A write that the radio holds: the records count as kept, unless they
    // changed since they were last kept in something a write does not carry
    // (DTMF, ...), which only a file keeps.
    void markWritten(bool calibrationSent);
    // Before Open or Read replaces the records: with unsaved changes asks New's
    // question; true when the records may go.
    bool confirmDiscardChanges();

    // Time of day in seconds (with fraction); replaceable for tests.
    double secondsOfDay() const;
    void setClock(std::function<double()> clock) { m_clock = std::move(clock); }

signals:
    void languageChanged();
    void bandChanged();
    // setImage() replaced the image.
    void imageChanged();
    void channelsChanged();
    // alterChannels() changed the channels.
    void channelsAltered();
    // These channels were replaced as a whole (undo, redo, a band change, an
    // import).
    void channelRowsRestored(const QList<int> &rows);
    void optionsChanged();
    void dtmfChanged();
    void fmChanged();
    void calibrationChanged();
    void hiddenModeChanged(q731::HiddenMode mode, bool on);
    // Emitted before every encoding and read: an editor commits a field still
    // being edited, as if it lost the focus.
    void commitRequested();
    // A change of the channel table worth an undo step; the records already
    // hold `after`.
    void channelsEdited(const QString &label, const q731::ChannelState &before,
                        const q731::ChannelState &after);
    // An edit in a settings window worth an undo step; the records already
    // hold `after`.
    void settingsEdited(const QString &field, const q731::SettingsState &before,
                        const q731::SettingsState &after, bool separate);
    // Read, Open or New replaced the records: no change before can be undone.
    void recordsReplaced();
    // The records as they stand were saved or written (markSaved).
    void recordsSaved();
    void unsavedChangesChanged(bool unsaved);

private:
    // `caption` and `text` are marked for translation where they are written.
    bool confirm(SessionQuestion::Kind kind, const char *caption, const char *text);
    void announceDecoded(int bandBefore);

    Language m_language = Language::Chinese;
    RadioImage m_image{};
    RadioData m_data;
    bool m_bandOverrideMode = false;
    bool m_calibrationMode = false;
    bool m_extraOptionsMode = false;
    bool m_unsavedChanges = false;
    // The records as last opened, read, started anew or saved.
    RadioData m_kept;
    SessionPrompts *m_prompts = nullptr;
    std::function<double()> m_clock;
};

} // namespace q731
