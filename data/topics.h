#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The one vocabulary of topics (专题) a question is tagged with, for both banks. The order is
// the order a learner is offered them in topic practice; the names are what the bank sources,
// the ZT column and the program all write.
enum class Topic {
    Signs,
    SignalLights,
    PoliceGestures,
    Markings,
    LampsAndInstruments,
    Numbers,
    PointsAndFines,
    LicenceAndRegistration,
    Expressway,
    WeatherAndNight,
    EmergencyAndFirstAid,
    NewEnergy,
    TruckAndBus,
    RightOfWay,
    SafeDriving,
    Accidents,
};
inline constexpr int kTopicCount = 16;

// Every topic in the order above.
const std::array<Topic, kTopicCount>& allTopics();

// The Chinese name, e.g. "标志".
QString topicName(Topic topic);
std::optional<Topic> topicForName(const QString& name);

// A question holds one to three topics; more would make every topic's practice long and
// unfocused.
inline constexpr int kMaxTopicsPerQuestion = 3;

// The ZT column holds the names separated by one blank.
QStringList splitTopics(const QString& column);
QString joinTopics(const QStringList& names);
// A LIKE pattern for a bound value matching rows whose ZT holds `topic` (compare it with
// ' ' || ZT || ' ', so that no name matches inside another).
QString topicLikePattern(Topic topic);
