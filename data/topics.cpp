#include "data/topics.h"

namespace {

constexpr std::array<Topic, kTopicCount> kTopics = {
    Topic::Signs,
    Topic::SignalLights,
    Topic::PoliceGestures,
    Topic::Markings,
    Topic::LampsAndInstruments,
    Topic::Numbers,
    Topic::PointsAndFines,
    Topic::LicenceAndRegistration,
    Topic::Expressway,
    Topic::WeatherAndNight,
    Topic::EmergencyAndFirstAid,
    Topic::NewEnergy,
    Topic::TruckAndBus,
    Topic::RightOfWay,
    Topic::SafeDriving,
    Topic::Accidents,
};

constexpr std::array<const char16_t*, kTopicCount> kNames = {
    u"标志",     u"信号灯",     u"交警手势", u"标线",         u"灯光仪表", u"数字",
    u"记分罚款", u"驾驶证登记", u"高速公路", u"恶劣天气夜间", u"应急急救", u"新能源",
    u"货车客车", u"通行规则",   u"安全驾驶", u"事故责任",
};

} // namespace

const std::array<Topic, kTopicCount>& allTopics() {
    return kTopics;
}

QString topicName(Topic topic) {
    return QString::fromUtf16(kNames[std::size_t(topic)]);
}

std::optional<Topic> topicForName(const QString& name) {
    for (const Topic topic : kTopics) {
        if (topicName(topic) == name)
            return topic;
    }
    return std::nullopt;
}

QStringList splitTopics(const QString& column) {
    return column.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString joinTopics(const QStringList& names) {
    return names.join(QLatin1Char(' '));
}

QString topicLikePattern(Topic topic) {
    // No name holds a LIKE wildcard, so the name goes in as it is.
    return QStringLiteral("% ") + topicName(topic) + QStringLiteral(" %");
}
