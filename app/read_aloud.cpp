#include "app/read_aloud.h"

#include "app/main_window.h"
#include "app/practice_commands.h"
#include "data/ado_connection.h"
#include "data/bank_table.h"
#include "data/sqlite_database.h"
#include "exam/reading_text.h"
#include "forms/error_report.h"
#include "forms/read_aloud_dialog.h"
#include "speech/read_aloud_player.h"
#include "speech/sound_card_output.h"
#include "speech/speech_voice.h"
#include "speech/wav_file_output.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

const auto kVoiceDue = static_cast<QEvent::Type>(QEvent::User + 2);

std::unique_ptr<AudioOutput> defaultOutput() {
    const QString wavPath = qEnvironmentVariable("XUNDRAL_SPEECH_WAV");
    if (!wavPath.isEmpty())
        return std::make_unique<WavFileOutput>(wavPath);
    return std::make_unique<SoundCardOutput>();
}

} // namespace

ReadAloud::ReadAloud(TmainFrm& main, AdoConnection& connection, const PracticeCommands& commands)
    : QObject(&main), main_(main), connection_(connection), command_(commands.readAloudButton()),
      settingsCommand_(commands.readAloudSettingsButton()) {
    command_->setCheckable(true);
    // The voice and the sound device take milliseconds to set up, and the panel that shows
    // whether they are there is off screen until the window has grown to fill it: they follow
    // the first paint (below the repaint's low priority), unless key 9 comes first.
    QCoreApplication::postEvent(this, new QEvent(kVoiceDue), Qt::LowEventPriority - 1);

    connect(command_, &QPushButton::clicked, this, [this] { runHandler([&] { toggle(); }); });
    connect(settingsCommand_, &QPushButton::clicked, this,
            [this] { runHandler([&] { editSettings(); }); });
    connect(&main_, &TmainFrm::readAloudRequested, this, &ReadAloud::toggle);
    connect(&main_, &TmainFrm::answerSaved, this, &ReadAloud::stop);
    connect(&main_, &TmainFrm::exerciseEnded, this, &ReadAloud::stop);
    connect(&main_, &TmainFrm::paperHandedIn, this, &ReadAloud::stop);
    connect(&main_, &TmainFrm::exerciseStarted, this,
            [this] { runHandler([&] { loadSettings(); }); });
    connect(&main_, &TmainFrm::questionShown, this, [this](int, int id) {
        stop();
        if (!settings_.autoRead)
            return;
        // After the handler that showed the question, and after its answer pause.
        QTimer::singleShot(0, this, [this, id] {
            if (main_.curId() == id && !speaking())
                runHandler([&] { readQuestion(id); });
        });
    });
}

ReadAloud::~ReadAloud() = default;

void ReadAloud::useOutput(std::unique_ptr<AudioOutput> output) {
    player_.reset();
    output_ = std::move(output);
    player_ = std::make_unique<ReadAloudPlayer>(SpeechVoice::instance(), *output_);
    connect(player_.get(), &ReadAloudPlayer::speakingChanged, this, &ReadAloud::showState);
    showState();
}

void ReadAloud::customEvent(QEvent* event) {
    if (event->type() == kVoiceDue)
        player();
}

ReadAloudPlayer& ReadAloud::player() {
    if (!player_)
        useOutput(defaultOutput());
    return *player_;
}

bool ReadAloud::speaking() const {
    return player_ && player_->speaking();
}

void ReadAloud::toggle() {
    if (speaking()) {
        stop();
        return;
    }
    if (main_.curId() != 0)
        readQuestion(main_.curId());
    showState();
}

void ReadAloud::stop() {
    if (player_)
        player_->stop();
}

void ReadAloud::editSettings() {
    loadSettings();
    ReadAloudDialog dialog(&main_);
    dialog.setSettings(settings_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings_ = dialog.settings();
    writeReadAloudSettings(connection_.database(), settings_);
}

void ReadAloud::readQuestion(int id) {
    if (!player().available() || !connection_.connected())
        return;
    SqliteStatement select(connection_.database(),
                           QStringLiteral("SELECT STNR, DA1, DA2, DA3, DA4 FROM ") +
                               bankTable(main_.bank()) + QStringLiteral(" WHERE ID = ?"));
    select.bind(1, id);
    if (!select.step())
        return;
    QStringList choices;
    for (int column = 1; column <= 4; ++column)
        choices.append(select.value(column).toString());
    SpeechVoice::instance().setRate(settings_.rate);
    player().read(readingSentences(questionReadingText(select.value(0).toString(), choices)));
}

void ReadAloud::loadSettings() {
    if (connection_.connected())
        settings_ = readReadAloudSettings(connection_.database());
}

void ReadAloud::showState() {
    const bool available = player().available();
    command_->setEnabled(available);
    command_->setToolTip(available ? QStringLiteral("按数字键9朗读本题，再按一次停止")
                                   : player_->unavailableReason());
    command_->setChecked(speaking());
    // The speaker mark says that speech is playing.
    command_->setIcon(speaking() ? command_->style()->standardIcon(QStyle::SP_MediaVolume)
                                 : QIcon());
}
