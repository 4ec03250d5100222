#include "Synthetic.h"

#include <array>
#include <cstdio>
#include <string>

namespace talixc {

namespace {

// splitmix64: small, fast and the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 to n - 1
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }
    std::int64_t Between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low + 1)));
    }
    template <typename T, std::size_t N> const T& Pick(const std::array<T, N>& items) {
        return items[Below(N)];
    }

private:
    std::uint64_t state_;
};

struct FamilyStyle {
    int code;
    const char* prefix;   // of the European name
    char unsLetter;
    const char* nature;
    const char* comment;
    int densityLow;       // hundredths of g/cm3
    int densityHigh;
    int rmLow, rmHigh;
};

constexpr std::array<FamilyStyle, 7> Styles = {{
    {100, "", 'G', "ALLOY STEEL", "Fe=rem", 775, 790, 350, 1400},
    {200, "X", 'S', "AUSTENITIC STAINLESS STEEL", "Fe=rem", 770, 800, 450, 900},
    {400, "Ni", 'N', "NICKEL ALLOY", "Ni=rem", 800, 910, 450, 1400},
    {500, "EN AW-Al", 'A', "ALUMINIUM ALLOY", "Al=rem", 260, 290, 70, 600},
    {600, "Cu", 'C', "BRASS", "Cu=rem", 750, 890, 200, 800},
    {700, "Ti", 'R', "ALPHA-BETA TITANIUM ALLOY", "Ti=rem", 440, 490, 300, 1200},
    {800, "Zn", 'Z', "ZINC ALLOY", "Zn=rem", 660, 700, 150, 400},
}};

constexpr std::array<const char*, 10> Alloying = {"Cr", "Ni", "Mo", "Mn", "Si", "V", "W", "Cu", "Nb", "Ti"};
constexpr std::array<const char*, 8> Trade = {"URANUS", "NICROFER", "INCO", "SANDVIK",
                                              "AVESTA", "UGIMA", "THYROFOR", "ALCOA"};
constexpr std::array<const char*, 8> Conditions = {"ADO", "NOR", "+QT", "HYP", "REC", "VIE", "T6", "H14"};
// The order in which the designation fields are filled; the nature (7) always is.
constexpr std::array<std::size_t, ColumnCount - 1> FillOrder = {1, 2, 3, 5, 6, 4, 8, 9, 10, 11, 12};

// A bijection of 0 .. 99999, so that numbers derived from the grade's rank look random.
std::uint64_t Scramble(std::uint64_t n, std::uint64_t seed) {
    return (n * 38287 + seed % 100000) % 100000; // 38287 is prime to 100000
}

std::string Digits(std::uint64_t value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0, '0') + text;
}

std::string EuropeanName(Random& r, const FamilyStyle& style) {
    std::string name = style.prefix;
    name += std::to_string(r.Between(2, 60));
    const int elements = static_cast<int>(r.Between(1, 3));
    std::string numbers;
    for (int e = 0; e < elements; ++e) {
        name += r.Pick(Alloying);
        numbers += (e ? "-" : "") + std::to_string(r.Between(1, 25));
    }
    return name + numbers;
}

Grade MakeGrade(Random& r, std::size_t rank, std::size_t designations, std::uint64_t seed) {
    const FamilyStyle& style = Styles[r.Below(Styles.size())];
    Grade g;
    g.file = "synthetic";
    g.line = static_cast<int>(rank + 1);
    g.family = style.code;
    g.sources = {"synthetic"};

    const std::uint64_t number = Scramble(rank % 100000, seed);
    const std::string wave = rank >= 100000 ? std::to_string(rank / 100000) : std::string();
    std::array<std::string, ColumnCount> all;
    all[0] = EuropeanName(r, style);
    all[1] = std::to_string(number / 10000) + "." + Digits(number % 10000, 4) + wave;
    all[2] = EuropeanName(r, style);
    all[3] = std::to_string(r.Between(100, 999)) + "S" + Digits(r.Below(100), 2);
    all[4] = std::to_string(r.Between(1000, 9999)) + (r.Below(3) == 0 ? "L" : "");
    all[5] = std::string(1, style.unsLetter) + Digits(number, 5) + wave;
    all[6] = style.nature;
    for (std::size_t d = 7; d < ColumnCount; ++d) {
        all[d] = std::string(r.Pick(Trade)) + " " + std::to_string(r.Between(10, 9999)) +
                 (r.Below(4) == 0 ? "~" : "");
    }
    for (std::size_t i = 0; i + 1 < designations && i < FillOrder.size(); ++i) {
        g.columns[FillOrder[i] - 1] = all[FillOrder[i] - 1];
    }
    g.columns[NatureColumn - 1] = all[NatureColumn - 1];

    g.comment = style.comment;
    const auto density = r.Between(style.densityLow, style.densityHigh);
    g.density = std::to_string(density / 100) + "." + Digits(static_cast<std::uint64_t>(density % 100), 2);

    const auto elements = r.Between(3, 8);
    for (std::int64_t e = 0; e < elements; ++e) {
        Bounds& b = g.chem[r.Below(ElementCount)];
        const auto low = r.Between(0, 20000);
        b.given = true;
        b.min = r.Below(3) == 0 ? 0.0 : static_cast<double>(low) / 1000;
        b.max = static_cast<double>(low + r.Between(0, 5000)) / 1000;
    }

    const auto rows = r.Between(1, 3);
    for (std::int64_t k = 0; k < rows; ++k) {
        ConditionRow c;
        c.etat = r.Pick(Conditions);
        c.heat = std::to_string(r.Between(50, 110) * 10);
        if (k < 2) {
            c.rmMin = r.Between(style.rmLow, style.rmHigh);
            c.rmMax = r.Below(2) == 0 ? 0 : c.rmMin + r.Between(0, 300);
            c.rp = r.Below(5) == 0 ? 0 : c.rmMin * r.Between(40, 90) / 100;
            c.a = r.Between(1, 60);
            c.hardness = r.Below(3) == 0 ? 0 : r.Between(30, 650);
        }
        g.cond.push_back(std::move(c));
    }
    return g;
}

} // namespace

std::vector<Grade> SyntheticGrades(std::size_t count, std::size_t designations, std::uint64_t seed) {
    Random r(seed);
    std::vector<Grade> grades;
    grades.reserve(count);
    for (std::size_t rank = 0; rank < count; ++rank) {
        grades.push_back(MakeGrade(r, rank, designations, seed));
    }
    return grades;
}

} // namespace talixc
