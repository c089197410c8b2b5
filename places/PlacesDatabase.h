// The gazetteer of the places database that is built with the program from
// GeoNames' data: opened read-only on the first search or suggestion, and
// checked whole before it is trusted.
#pragma once

#include "places/Gazetteer.h"

#include <QString>
#include <memory>
#include <type_traits>

namespace horavela {

class PlacesDatabase : public Gazetteer {
public:
    explicit PlacesDatabase(QString path);
    ~PlacesDatabase() override;

    // share/horavela/places.sqlite beside the program's folder: where the
    // package installs it, and where the build puts it.
    static QString installedPath();

    std::optional<std::vector<Place>> find(const PlaceQuery& query, std::size_t limit) override;
    std::optional<std::vector<Place>> suggest(QStringView typed, std::size_t limit) override;
    std::shared_ptr<const ZoneHistory> zone(QByteArrayView name) override;

private:
    class Connection;
    // Null until first used, and again after it has failed for good.
    Connection* connection();
    // The work's answer, or nothing when the database cannot be used; a
    // failure gives the database up for the rest of the run.
    template <typename Work>
    std::optional<std::invoke_result_t<Work, Connection&>> answer(const Work& work);

    QString path_;
    std::unique_ptr<Connection> connection_;
    bool failed_ = false;
};

} // namespace horavela
