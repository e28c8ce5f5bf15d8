#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "network/BusData.h"
#include "query/Answer.h"
#include "query/Language.h"
#include "query/LineName.h"
#include "query/QueryInput.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"
#include "query/RouteSearch.h"
#include "query/StartUpFacts.h"
#include "query/Suggestions.h"
#include "query/TimedRoute.h"
#include "route/TimedSearchState.h"
#include "search/EnglishStationNames.h"

namespace busquery {

// The last station of a line the data holds, for the line names of an English answer; the data
// is read when a name is asked for.
LineTerminus lineTerminusIn(BusData& data);

// Answers whatever the traveller entered: checks the texts, picks the kind of query from the
// boxes that are filled, and runs it. The searches return what they found; the query alone
// turns that into the outcome code and the answer, and then updates its state. The state
// persists between runs as the window's does: only the steps that set a member overwrite it.
// The answer speaks for its own query only: one stopped by its input checks has no records.
class Query {
  public:
    explicit Query(BusData& data) : data_(data) {}

    // Throws Error when busdata cannot be used; the state then holds the copied texts. A route
    // search runs by the clock when a time is given, as searchRouteAt does.
    Answer run(const QueryInput& input, const std::optional<RouteTime>& time = std::nullopt);
    // The same, and the answer rendered into the pane.
    Answer run(const QueryInput& input, ResultPane& pane,
               const std::optional<RouteTime>& time = std::nullopt);

    // One kind of query, as run answers it when only that kind's boxes are filled: the same
    // input checks (an empty line name is EmptyInput, a one-character station text TooShort),
    // the same answer and state, without the mode selection.
    Answer lookUpLine(std::string_view lineName);
    // Line lookup also lists, where the data has a timetable, each line's departures that day
    // (or on the nearest day of the timetable on the same weekday).
    void showDeparturesOn(ServiceDay day) { departuresDay_ = day; }
    Answer lookUpStation(std::string_view stationText, std::string_view pickedLine);
    Answer searchRoute(std::string_view from, std::string_view to);
    // The route search at a time: by the clock where the data has a timetable.
    Answer searchRouteAt(std::string_view from, std::string_view to, const RouteTime& time);

    // The suggestions of a station box: every "%" removed from the text, then, unless the text
    // is empty or a picked line, the lines of the stations it finds. Without a search the
    // data is not touched. Throws Error when busdata cannot be used.
    Suggestions suggest(std::string_view boxText);
    // The text a station box keeps: boxText without its "%".
    static std::string suggestionText(std::string_view boxText);

    // Whether a line lookup of name finds a line of the city. Throws Error as run does.
    bool findsLine(std::string_view name);

    // Reads the line list, the data date and whether there is a timetable; the tables the
    // queries need are read on their first need. Throws Error when busdata cannot be used.
    StartUpFacts startUpFacts();

    const QueryState& state() const { return state_; }

    // The name of the city the data holds as its feed gives it ("Vilnius"), for the window's
    // title and --version; nothing for a file that names none, such as the sample city, whose
    // texts stay the program's own. Throws Error when busdata cannot be used.
    std::optional<std::string> cityName();

    // The interface language: a line name typed in it is read as the stored names are written
    // ("Bus 12" is 12路), and run renders the answer in it.
    void setLanguage(Language language) { language_ = language; }
    Language language() const { return language_; }
    LineTerminus lineTerminus() { return lineTerminusIn(data_); }

  private:
    // The stations' English names in an English interface, where the file has some; else none.
    // The data must be refreshed.
    std::shared_ptr<const EnglishStationNames> englishNames();
    void enter(std::string_view line, std::string_view station, std::string_view from,
               std::string_view to);
    // Checks the entered texts, then runs mode (None: says which route box is empty); a route
    // search runs at the time when one is given.
    Answer answer(QueryMode mode, std::string_view pickedLine,
                  const std::optional<RouteTime>& time = std::nullopt);

    BusData& data_;
    QueryState state_;
    std::string typedLine_;  // the line box as typed, for English route names
    RouteSearchState routeState_;
    TimedSearchState timedSearch_;  // sized for the network on the first timed search
    std::optional<ServiceDay> departuresDay_;
    Language language_ = Language::Chinese;
};

}  // namespace busquery
