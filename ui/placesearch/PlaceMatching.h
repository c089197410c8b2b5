// Finding the city in the coordinate search's query text and putting the
// gazetteer's places for it in order, best first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace horavela {

// What the gazetteer says a place is called, in UTF-8.
struct PlaceNames {
    std::string name;
    std::string state;
    std::string country;
    std::string countryCode;
};

// The query's first word as foldedWords gives it, which every matching
// place's name begins with; empty when the query holds no word (fields of
// spaces only).
std::string firstQueryWord(std::string_view query);

// The query is "city state country Latitude Longitude", each field as typed,
// so a field may hold several words or only spaces and nothing marks where
// the city ends. Rather than guess, the places decide: a place matches when
// the words of its whole name are the query's first words, compared after
// folding ("New York New York" begins with "New York", not with "New
// Orleans"). The longest such name is the city, and the places of that name
// are the matches. The words after it are the state and country; the more of
// them a place's state, country and country code hold, the earlier it comes,
// then the gazetteer's order. They only order the matches and never remove
// one, so "United States" still finds New York in the "United States of
// America".
// Returns indices into places, which are in the gazetteer's order; empty when
// no place matches.
std::vector<std::size_t> rankPlaces(std::string_view query, const std::vector<PlaceNames>& places);

} // namespace horavela
