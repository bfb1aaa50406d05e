#pragma once
// The names of the X11 colour set, in the order the info line has always
// indexed them (1-based, 1 = "Black" ... 455 = "LightPink1"). The table
// holds names only: no colour values, hence no lookup by colour.
#include <array>
#include <string>

class TX11ColorNames
{
public:
    static constexpr int Low = 1;
    static constexpr int High = 455;
    static constexpr int Count = High - Low + 1;

    // The name at a 1-based index; any index outside Low..High gives an
    // empty text rather than reading past the table.
    const std::string& operator[](int index) const;

private:
    static const std::array<std::string, Count>& Names();
};

inline constexpr TX11ColorNames X11ColorNames{};
