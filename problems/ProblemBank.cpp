#include "problems/Problem.h"

namespace lopena {

namespace {
constexpr Range none{0, 0, 1};
} // namespace

// Heights, speeds and angles as they are met: a table about a metre high, a ball kicked at
// 15 to 30 m/s, a relief plane at 50 to 90 m/s.
const std::vector<ProblemTemplate>& problemBank() {
    static const std::vector<ProblemTemplate> bank = {
        // clang-format off
        {"1a", Kind::Horizontal, "Bila de pe masa",
         "O bila se rostogoleste pe o masa inalta de {h} si paraseste marginea ei cu viteza "
         "orizontala de {v}.",
         {0.5, 3, 0.1}, none, {0.7, 1.2, 0.05}, none},
        {"1b", Kind::Horizontal, "Piatra de pe faleza",
         "Un copil arunca orizontal o piatra de pe o faleza inalta de {h}, cu viteza de {v}.",
         {5, 15, 0.5}, none, {10, 40, 1}, none},
        {"1c", Kind::Horizontal, "Colet din avion",
         "Un avion zboara orizontal la inaltimea de {h} cu viteza de {v} si lasa sa cada un "
         "colet cu ajutoare.",
         {50, 90, 5}, none, {200, 1000, 50}, none},
        {"1d", Kind::Horizontal, "Jet de apa din furtun",
         "Apa iese orizontal dintr-un furtun tinut la inaltimea de {h}, cu viteza de {v}.",
         {4, 12, 0.5}, none, {0.8, 1.5, 0.1}, none},
        {"2a", Kind::FromGround, "Sutul la poarta",
         "Un fotbalist suteaza mingea de pe gazon cu viteza de {v}, sub un unghi de {a} fata de "
         "orizontala.",
         {15, 30, 1}, {20, 50, 5}, none, none},
        {"2b", Kind::FromGround, "Mingea de golf",
         "O minge de golf este lovita de pe iarba cu viteza de {v}, sub un unghi de {a}.",
         {25, 45, 1}, {10, 30, 1}, none, none},
        {"2c", Kind::FromGround, "Fantana arteziana",
         "Intr-o fantana, apa tasneste de la nivelul solului cu viteza de {v}, sub un unghi de "
         "{a}.",
         {5, 15, 0.5}, {45, 75, 5}, none, none},
        {"2d", Kind::FromGround, "Mingea de rugby",
         "La o lovitura de pedeapsa, mingea de rugby pleaca de pe iarba cu viteza de {v}, sub "
         "un unghi de {a}.",
         {15, 25, 1}, {30, 60, 5}, none, none},
        {"3a", Kind::LargestRange, "Mingea de oina",
         "Un elev arunca mingea de oina de langa sol cu viteza de {v}. Colegul lui sta la {d}.",
         {15, 25, 1}, none, none, {40, 90, 1}},
        {"3b", Kind::LargestRange, "Stropitul florilor",
         "Apa iese dintr-un furtun tinut langa sol cu viteza de {v}. O floare se afla la {d}.",
         {6, 14, 0.5}, none, none, {40, 90, 1}},
        {"3c", Kind::LargestRange, "Lovitura de golf",
         "O minge de golf poate fi lovita de pe iarba cu viteza de {v}. Steagul se afla la {d}.",
         {30, 50, 1}, none, none, {40, 90, 1}},
        {"4a", Kind::UpFromHeight, "Aruncarea greutatii",
         "Un atlet lanseaza greutatea de la inaltimea de {h} cu viteza de {v}, sub un unghi de "
         "{a} deasupra orizontalei.",
         {10, 14, 0.5}, {35, 45, 1}, {1.8, 2.2, 0.1}, none},
        {"4b", Kind::UpFromHeight, "Piatra de pe bloc",
         "De pe acoperisul unui bloc inalt de {h}, o piatra este aruncata cu viteza de {v}, sub "
         "un unghi de {a} deasupra orizontalei.",
         {8, 20, 1}, {20, 60, 5}, {10, 30, 1}, none},
        {"4c", Kind::UpFromHeight, "Aruncarea ratata",
         "Un baschetbalist arunca mingea de la inaltimea de {h} cu viteza de {v}, sub un unghi "
         "de {a}; mingea rateaza cosul si cade pe parchet.",
         {7, 10, 0.5}, {45, 60, 5}, {2, 2.4, 0.1}, none},
        {"4d", Kind::UpFromHeight, "Mingea din tribuna",
         "Un spectator arunca mingea inapoi pe teren din tribuna, de la inaltimea de {h}, cu "
         "viteza de {v}, sub un unghi de {a}.",
         {10, 20, 1}, {15, 45, 5}, {5, 15, 1}, none},
        {"5a", Kind::DownFromHeight, "Piatra de pe pod",
         "De pe un pod inalt de {h}, o piatra este aruncata cu viteza de {v}, la {a} sub "
         "orizontala.",
         {5, 15, 1}, {10, 45, 5}, {10, 25, 1}, none},
        {"5b", Kind::DownFromHeight, "Serviciul la volei",
         "La un serviciu din saritura, mingea de volei este lovita la inaltimea de {h} cu "
         "viteza de {v}, la {a} sub orizontala.",
         {15, 25, 1}, {5, 15, 1}, {2.8, 3.3, 0.1}, none},
        {"5c", Kind::DownFromHeight, "Serviciul la tenis",
         "La serviciu, mingea de tenis este lovita la inaltimea de {h} cu viteza de {v}, la {a} "
         "sub orizontala.",
         {30, 50, 1}, {3, 8, 1}, {2.5, 2.9, 0.1}, none},
        {"6a", Kind::Vertical, "Mingea aruncata in sus",
         "Un elev arunca o minge vertical in sus, de langa sol, cu viteza de {v}.",
         {5, 20, 1}, none, none, none},
        {"6b", Kind::Vertical, "Piatra de pe balcon",
         "De pe un balcon aflat la inaltimea de {h}, o piatra este aruncata vertical in sus cu "
         "viteza de {v}.",
         {5, 15, 1}, none, {5, 20, 1}, none},
        {"6c", Kind::Vertical, "Cheile aruncate in jos",
         "De la o fereastra aflata la inaltimea de {h}, cineva arunca vertical in jos o "
         "legatura de chei, cu viteza de {v}.",
         {2, 10, 1}, none, {10, 45, 5}, none, true},
        {"6d", Kind::Vertical, "Fantana verticala",
         "Jetul vertical al unei fantani tasneste de la nivelul apei cu viteza de {v}.",
         {5, 15, 0.5}, none, none, none},
        {"7a", Kind::OtherBody, "Golf pe Luna",
         "Un astronaut loveste o minge de golf pe Luna, unde g = {g}, cu viteza de {v}, sub un "
         "unghi de {a}. Comparati cu aceeasi lovitura pe Pamant.",
         {10, 30, 1}, {30, 60, 5}, none, none, false, 1},
        {"7b", Kind::OtherBody, "Piatra pe Marte",
         "Un robot de pe Marte, unde g = {g}, arunca o piatra de pe sol cu viteza de {v}, sub un "
         "unghi de {a}. Comparati cu aceeasi aruncare pe Pamant.",
         {5, 20, 1}, {30, 60, 5}, none, none, false, 2},
        {"7c", Kind::OtherBody, "Saritura pe Luna",
         "Un astronaut sare pe Luna, unde g = {g}, desprinzandu-se de sol cu viteza de {v}, sub "
         "un unghi de {a}. Comparati cu aceeasi saritura pe Pamant.",
         {2, 4, 0.5}, {30, 60, 5}, none, none, false, 1},
        {"8a", Kind::SpeedNeeded, "Pasa lunga",
         "Un fotbalist vrea sa trimita mingea, lovita de pe gazon sub un unghi de {a}, unui "
         "coechipier aflat la {d}.",
         none, {30, 60, 5}, none, {20, 50, 1}},
        {"8b", Kind::SpeedNeeded, "Bila in pahar",
         "De pe o masa inalta de {h}, o bila rostogolita trebuie sa cada intr-un pahar asezat "
         "pe podea la {d} de marginea mesei.",
         none, none, {0.7, 1, 0.05}, {0.3, 1.2, 0.1}, true},
        {"8c", Kind::SpeedNeeded, "Coletul la tinta",
         "Un avion zboara orizontal la inaltimea de {h} si trebuie sa lase un colet cand tinta "
         "se afla la {d} inaintea lui, masurat pe orizontala.",
         none, none, {200, 500, 50}, {400, 1200, 50}, true},
        {"8d", Kind::SpeedNeeded, "Aruncarea la tinta",
         "La ora de sport, o minge aruncata de langa sol sub un unghi de {a} trebuie sa cada "
         "intr-un cerc aflat la {d}.",
         none, {30, 60, 5}, none, {10, 30, 1}},
        {"9a", Kind::BestAngle, "Piatra in mare",
         "De pe o faleza inalta de {h}, un copil arunca o piatra in mare cu viteza de {v}.",
         {10, 25, 1}, none, {5, 30, 1}, none},
        {"9b", Kind::BestAngle, "Recordul la greutate",
         "Un atlet lanseaza greutatea de la inaltimea de {h} cu viteza de {v}.",
         {10, 14, 0.5}, none, {1.8, 2.2, 0.1}, none},
        {"9c", Kind::BestAngle, "Furtunul de pe balcon",
         "De pe un balcon aflat la inaltimea de {h}, apa iese dintr-un furtun cu viteza de {v}.",
         {5, 12, 1}, none, {3, 12, 1}, none},
        {"10a", Kind::InAir, "Tenis in aer",
         "O minge de tenis este lovita de langa sol cu viteza de {v}, sub un unghi de {a}.",
         {20, 40, 1}, {10, 30, 5}, none, none, false, 0},
        {"10b", Kind::InAir, "Fotbal in aer",
         "O minge de fotbal este sutata de pe gazon cu viteza de {v}, sub un unghi de {a}.",
         {20, 30, 1}, {20, 40, 5}, none, none, false, 1},
        {"10c", Kind::InAir, "Ping-pong in aer",
         "O minge de ping-pong este lovita de langa masa cu viteza de {v}, sub un unghi de {a}.",
         {8, 15, 1}, {30, 45, 5}, none, none, false, 2},
        // clang-format on
    };
    return bank;
}

} // namespace lopena
