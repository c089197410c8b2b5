#include "PlaceMatching.h"

#include "FoldedWords.h"

#include <algorithm>
#include <set>

namespace horavela {

namespace {

// The main window appends this to every query; it names no place.
constexpr std::string_view QuestionWords = " Latitude Longitude";

std::string_view placeText(std::string_view query) {
    if (query.ends_with(QuestionWords))
        query.remove_suffix(QuestionWords.size());
    return query;
}

bool beginsWith(const std::vector<std::string>& query, const std::vector<std::string>& name) {
    return !name.empty() && name.size() <= query.size() &&
           std::equal(name.begin(), name.end(), query.begin());
}

struct Candidate {
    std::size_t index;
    std::size_t stateAndCountryWords = 0;
};

std::size_t wordsHeld(const std::vector<std::string>& typed, const PlaceNames& place) {
    std::set<std::string> held;
    for (const std::string* text : {&place.state, &place.country, &place.countryCode})
        for (std::string& word : foldedWords(*text))
            held.insert(std::move(word));
    const std::set<std::string> distinct(typed.begin(), typed.end());
    return static_cast<std::size_t>(
        std::count_if(distinct.begin(), distinct.end(),
                      [&](const std::string& word) { return held.contains(word); }));
}

} // namespace

std::string firstQueryWord(std::string_view query) {
    std::vector<std::string> words = foldedWords(placeText(query));
    return words.empty() ? std::string{} : std::move(words.front());
}

std::vector<std::size_t> rankPlaces(std::string_view query, const std::vector<PlaceNames>& places) {
    const std::vector<std::string> words = foldedWords(placeText(query));
    std::vector<Candidate> candidates;
    std::size_t longestName = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::vector<std::string> name = foldedWords(places[i].name);
        if (!beginsWith(words, name) || name.size() < longestName)
            continue;
        if (name.size() > longestName) {
            candidates.clear();
            longestName = name.size();
        }
        candidates.push_back({i});
    }
    if (candidates.empty())
        return {};
    const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(longestName),
                                        words.end());
    for (Candidate& candidate : candidates)
        candidate.stateAndCountryWords = wordsHeld(rest, places[candidate.index]);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         return a.stateAndCountryWords > b.stateAndCountryWords;
                     });
    std::vector<std::size_t> order;
    order.reserve(candidates.size());
    for (const Candidate& candidate : candidates)
        order.push_back(candidate.index);
    return order;
}

} // namespace horavela
