#include "query/OutcomeMessage.h"

#include "query/Words.h"

namespace busquery {

namespace {

std::optional<std::string_view> chineseMessage(OutcomeCode code) {
    switch (code) {
        case OutcomeCode::EmptyInput:
            return "输入信息为空";
        case OutcomeCode::TooShort:
            return "输入信息太少";
        case OutcomeCode::NoLine:
            return "无此线路资料";
        case OutcomeCode::NoStation:
            return "未选择站点";
        case OutcomeCode::NoOrigin:
            return "未选择起始站";
        case OutcomeCode::NoDestination:
            return "未选择终点站";
        case OutcomeCode::NoRoute:
            return "没有适合路线！";
        case OutcomeCode::SameStation:
            return "起点和终点相同，无需乘车！";
        case OutcomeCode::NoTimedJourney:
            return "24小时内没有可乘坐的车次！";
        case OutcomeCode::Listed:
        case OutcomeCode::StationsListed:
        case OutcomeCode::PlansListed:
        case OutcomeCode::JourneysListed:
        case OutcomeCode::TimedJourneysListed:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> outcomeMessage(OutcomeCode code, Language language) {
    const auto message = chineseMessage(code);
    if (!message) return std::nullopt;
    return tr(language, "OutcomeMessage", *message);
}

}  // namespace busquery
