#include "physics/LaunchSolution.h"

#include "physics/Internal.h"
#include "physics/SolutionHtml.h"
#include "toolkit/NumberConversion.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <numbers>

namespace physics {

namespace {

using html::Piece;

const char* const vx = "v<sub>x</sub>";
const char* const vy = "v<sub>y</sub>";
const char* const squared = "<sup>2</sup>";

// Writes one solution: n() an input in full, f() one after an operator, eq() a result with the
// Laborator's three decimals after " = " or " ≈ ", a() an integrated result to the 10 digits
// that are sure. The pupil's part first; how the program found what has no formula comes last,
// under "Detalii".
struct Writer {
    const Trajectory& r;
    const tk::Locale& locale;
    std::string out;
    std::string details;

    std::string n(double v) const { return html::number(v, locale); }
    std::string f(double v) const { return html::factor(v, locale); }
    std::string a(double v) const { return html::number(v, locale, 10); }
    // A result with `decimals` decimals, " = " before it when that is all of it, " ≈ " else.
    std::string eq(double v, int decimals = 3) const {
        const std::string text = tk::WriteFixed(v, decimals);
        return (tk::ReadDecimal(text) == v ? " = " : " &asymp; ") + fx(v, decimals);
    }
    // The same number alone, in parentheses when negative, for a formula.
    std::string fx(double v, int decimals = 3) const {
        return html::escape(tk::FixedNumber(v, decimals, locale));
    }
    std::string fxf(double v) const {
        const std::string text = fx(v);
        return text.front() == '-' ? "(" + text + ")" : text;
    }
    void heading(const char* title) { out += std::string("<h3>") + title + "</h3>\n"; }
    void para(const std::string& text) { out += "<p>" + text + "</p>\n"; }
    void detail(const std::string& text) { details += "<p>" + text + "</p>\n"; }

    void data() {
        const Launch& l = r.launch;
        std::string d = "v<sub>0</sub> = " + n(l.v0) + " m/s<br>\n&alpha; = " + n(l.angle) +
                        "&deg; (fata de orizontala)<br>\nh<sub>0</sub> = " + n(l.h0) +
                        " m (inaltimea de lansare)<br>\ng = " + n(l.g) + " m/s" + squared;
        if (l.medium == Medium::LinearDrag)
            d += "<br>\nrezistenta aerului proportionala cu viteza, k = " + n(l.k) + " 1/s";
        if (l.medium == Medium::QuadraticDrag)
            d += "<br>\nrezistenta aerului proportionala cu patratul vitezei: m = " + n(l.mass) +
                 " kg, d = " + n(l.diameter) + " m, C<sub>d</sub> = " + n(l.cd) +
                 ", &rho; = " + n(l.rho) + " kg/m<sup>3</sup>";
        heading("Date");
        para(d);
    }

    void components(double vx0, double vy0) {
        const Launch& l = r.launch;
        heading("Descompunerea vitezei");
        para(std::string(vx) + " = v<sub>0</sub> &middot; cos &alpha; = " + n(l.v0) +
             " &middot; cos " + f(l.angle) + "&deg;" + eq(vx0) + " m/s<br>\n" + vy +
             " = v<sub>0</sub> &middot; sin &alpha; = " + n(l.v0) + " &middot; sin " +
             f(l.angle) + "&deg;" + eq(vy0) + " m/s");
    }

    // The top of a throw upwards: when it is reached and where, with `how` the time's formula.
    void apex(const std::string& how) {
        heading("Timpul de urcare si varful traiectoriei");
        const State top = r.at(r.apexTime);
        para("La varf viteza verticala este 0 (" + std::string(vy) + "(t) = 0), iar viteza este "
             "numai orizontala: v = " + vx + "(t)" + eq(top.vx) + " m/s.<br>\n" + how +
             "<br>\nx<sub>varf</sub> = x(t<sub>urcare</sub>)" + eq(top.x) + " m, H = " +
             "y(t<sub>urcare</sub>)" + eq(r.H) + " m");
    }

    void impact(const State& end) {
        heading("Viteza la impact");
        const std::string angle =
            end.vx == 0
                ? std::string(vx) + "(T) = 0: corpul cade vertical, &beta; = 90&deg; sub orizontala"
                : "tg &beta; = |" + std::string(vy) + "(T)| / " + vx + "(T), &beta;" +
                      eq(r.impactAngle, 2) + "&deg; sub orizontala";
        para(std::string(vx) + "(T)" + eq(end.vx) + " m/s, " + vy + "(T)" + eq(end.vy) +
             " m/s<br>\nV = &radic;(" + vx + "(T)" + squared + " + " + vy + "(T)" + squared + ")" +
             eq(r.V) + " m/s<br>\nunghiul de impact: " + angle);
    }

    // In vacuum the speed at the ground follows from the energy alone.
    void check() {
        const Launch& l = r.launch;
        para("Verificare: in vid energia mecanica se pastreaza, m &middot; v<sub>0</sub>" +
             std::string(squared) + "/2 + m &middot; g &middot; h<sub>0</sub> = m &middot; V" +
             squared + "/2, deci<br>\nV = &radic;(v<sub>0</sub>" + squared +
             " + 2 &middot; g &middot; h<sub>0</sub>) = &radic;(" + f(l.v0) + squared +
             " + 2 &middot; " + n(l.g) + " &middot; " + n(l.h0) + ")" +
             eq(std::sqrt(l.v0 * l.v0 + 2 * l.g * l.h0)) + " m/s, aceeasi viteza.");
    }

    void fall(const VerticalFall& f, double w, const char* t1, const char* h1, const char* v1);
    void vacuum(double vx0, double vy0);
    void linear(double vx0, double vy0);
    void quadratic(double vx0, double vy0);
};

void Writer::vacuum(double vx0, double vy0) {
    const Launch& l = r.launch;
    const State end = r.at(r.T);
    const std::string h0 = n(l.h0), g = n(l.g), T = fx(r.T);
    if (l.angle == 90 || l.angle == -90) {
        const bool up = l.angle > 0;
        heading(up ? "Aruncarea verticala in sus" : "Aruncarea verticala in jos");
        para(std::string("Viteza are numai componenta verticala: ") + vx + " = 0, deci x = 0 tot " +
             "timpul si D = 0 m.<br>\ny(t) = h<sub>0</sub> " + (up ? "+" : "&minus;") +
             " v<sub>0</sub> &middot; t &minus; g &middot; t" + squared + "/2");
        if (up) {
            heading("Timpul de urcare si inaltimea maxima");
            out += html::formula({{"t<sub>urcare</sub> = ", ""}, {"v<sub>0</sub>", "g"}, {" = ", ""},
                                  {n(l.v0), g}, {eq(r.apexTime) + " s", ""}});
            out += html::formula({{"H = h<sub>0</sub> + ", ""},
                                  {"v<sub>0</sub>" + std::string(squared), "2 &middot; g"},
                                  {" = " + h0 + " + ", ""},
                                  {f(l.v0) + squared, "2 &middot; " + g},
                                  {eq(r.H) + " m", ""}});
        } else {
            para("Corpul coboara de la inceput: inaltimea maxima este cea de lansare, H = " + h0 +
                 " m.");
        }
    } else if (l.angle == 0) {
        heading("Aruncarea orizontala");
        para(std::string("Viteza initiala este orizontala: ") + vx + " = v<sub>0</sub> = " +
             n(l.v0) + " m/s, " + vy + " = 0: varful este chiar punctul de lansare, "
             "t<sub>urcare</sub> = 0 s.<br>\nx(t) = v<sub>0</sub> &middot; t, y(t) = "
             "h<sub>0</sub> &minus; g &middot; t" + squared + "/2");
        heading("Timpul de cadere");
        out += html::formula({{"y(t) = 0 &rArr; t = &radic;(", ""}, {"2 &middot; h<sub>0</sub>", "g"},
                              {") = &radic;(", ""}, {"2 &middot; " + h0, g},
                              {")" + eq(r.T) + " s", ""}});
        heading("Distanta parcursa");
        para("D = v<sub>0</sub> &middot; t = " + n(l.v0) + " &middot; " + T + eq(r.D) + " m");
        para("Inaltimea maxima este cea de lansare: H = " + h0 + " m.");
        impact(end);
        check();
        return;
    } else {
        components(vx0, vy0);
        heading("Ecuatiile miscarii");
        para("x(t) = " + std::string(vx) + " &middot; t<br>\ny(t) = h<sub>0</sub> + " + vy +
             " &middot; t &minus; g &middot; t" + squared + "/2<br>\n" + vy + "(t) = " + vy +
             " &minus; g &middot; t");
        if (vy0 > 0) {
            heading("Timpul de urcare si varful traiectoriei");
            const State top = r.at(r.apexTime);
            para("La varf viteza verticala este 0, iar viteza este numai orizontala: v = " +
                 std::string(vx) + eq(vx0) + " m/s.");
            out += html::formula({{std::string(vy) + " &minus; g &middot; t<sub>urcare</sub> = 0 "
                                   "&rArr; t<sub>urcare</sub> = ", ""},
                                  {vy, "g"}, {" = ", ""}, {fx(vy0), g}, {eq(r.apexTime) + " s", ""}});
            para("x<sub>varf</sub> = " + std::string(vx) + " &middot; t<sub>urcare</sub>" +
                 eq(top.x) + " m");
            out += html::formula({{"H = h<sub>0</sub> + ", ""},
                                  {std::string(vy) + squared, "2 &middot; g"},
                                  {" = " + h0 + " + ", ""},
                                  {fxf(vy0) + squared, "2 &middot; " + g},
                                  {eq(r.H) + " m", ""}});
        } else {
            heading("Varful traiectoriei");
            para("Corpul coboara de la inceput: varful este punctul de lansare, t<sub>urcare</sub> = "
                 "0 s si H = h<sub>0</sub> = " + h0 + " m.");
        }
    }
    heading("Timpul total de zbor");
    para("La impact y(T) = 0: " + n(l.g / 2) + " &middot; T" + squared + " &minus; " + fxf(vy0) +
         " &middot; T &minus; " + f(l.h0) + " = 0");
    if (l.h0 == 0) {
        para("O radacina este T = 0 (lansarea); cealalta este timpul de zbor, de doua ori timpul "
             "de urcare:");
        out += html::formula({{"T = ", ""}, {"2 &middot; " + std::string(vy), "g"}, {" = ", ""},
                              {"2 &middot; " + fxf(vy0), g}, {eq(r.T) + " s", ""}});
    } else {
        const double delta = vy0 * vy0 + 2 * l.g * l.h0;
        para("&Delta; = " + std::string(vy) + squared + " + 2 &middot; g &middot; h<sub>0</sub> = " +
             fxf(vy0) + squared + " + 2 &middot; " + g + " &middot; " + h0 + eq(delta));
        para("Radacina negativa ar fi inainte de lansare; ramane cea pozitiva:");
        out += html::formula({{"T = ", ""}, {std::string(vy) + " + &radic;&Delta;", "g"}, {" = ", ""},
                              {fxf(vy0) + " + &radic;" + fx(delta), g}, {eq(r.T) + " s", ""}});
    }
    if (l.angle != 90 && l.angle != -90) {
        heading("Distanta parcursa");
        para("D = " + std::string(vx) + " &middot; T = " + fx(vx0) + " &middot; " + T + eq(r.D) +
             " m");
    }
    impact(end);
    check();
}

void Writer::linear(double vx0, double vy0) {
    const Launch& l = r.launch;
    const double w = l.g / l.k;
    const detail::LambertForm form = detail::lambertForm(l, vy0);
    const std::string k = n(l.k), T = fx(r.T);
    components(vx0, vy0);
    heading("Ecuatiile miscarii");
    para("Aerul franeaza corpul cu o forta proportionala cu viteza, F = &minus;m &middot; k "
         "&middot; v, deci:<br>\ndv<sub>x</sub>/dt = &minus;k &middot; v<sub>x</sub>, "
         "dv<sub>y</sub>/dt = &minus;g &minus; k &middot; v<sub>y</sub>");
    para("Viteza limita (cu care ar cadea corpul dupa mult timp): w = g/k = " + n(l.g) + "/" + k +
         eq(w) + " m/s");
    heading("Solutia ecuatiilor");
    para(std::string(vx) + "(t) = " + vx + " &middot; e<sup>&minus;k&middot;t</sup>, " + vy +
         "(t) = (" + vy + " + w) &middot; e<sup>&minus;k&middot;t</sup> &minus; w<br>\n"
         "x(t) = (" + vx + "/k) &middot; (1 &minus; e<sup>&minus;k&middot;t</sup>)<br>\n"
         "y(t) = h<sub>0</sub> + ((" + vy + " + w)/k) &middot; (1 &minus; "
         "e<sup>&minus;k&middot;t</sup>) &minus; w &middot; t");
    if (vy0 > 0)
        apex(std::string(vy) + "(t) = 0 la t<sub>urcare</sub> = ln(1 + " + vy + "/w)/k = ln(1 + " +
             fx(vy0) + "/" + fx(w) + ")/" + k + eq(r.apexTime) + " s");
    else
        para("Corpul coboara de la inceput: H = h<sub>0</sub> = " + n(l.h0) + " m.");
    heading("Timpul total de zbor");
    const char* how = r.method == Method::LambertW ? "cu functia W a lui Lambert"
                                                   : "cautand numeric radacina";
    para("Conditia y(T) = 0 contine T si in exponent, si in afara lui: nu se rezolva cu radicali "
         "sau logaritmi. Programul a aflat T " + std::string(how) + " (vezi Detalii): T" + eq(r.T) +
         " s");
    detail("Timpul de zbor. Cu a = 1 + " + std::string(vy) + "/w = " + n(form.a) +
           " si b = k &middot; h<sub>0</sub>/w = " + n(form.b) +
           ", ecuatia y(T) = 0 devine k &middot; T = a + b &minus; a &middot; e<sup>&minus;k&middot;T"
           "</sup>. Notand u = k &middot; T &minus; a &minus; b, ea se scrie u &middot; e<sup>u</sup> "
           "= z, cu z = &minus;a &middot; e<sup>&minus;(a+b)</sup>: u este W(z), functia W a lui "
           "Lambert, numarul care inmultit cu e la puterea lui insusi da z (W &middot; e<sup>W</sup> "
           "= z), ramura principala (W &ge; &minus;1).");
    const std::string zIs = "z = &minus;a &middot; e<sup>&minus;(a+b)</sup> = ";
    if (r.method == Method::LambertW) {
        detail(zIs + n(form.z) + "<br>\nW(z) = " + n(form.W));
        details += html::formula({{"T = ", ""},
                                  {"a + b + W(z)", "k"},
                                  {" = ", ""},
                                  {n(form.a) + " + " + n(form.b) + " + " + f(form.W), k},
                                  {" = " + n(r.T) + " s", ""}});
    } else {
        std::string why;
        if (!std::isfinite(form.z))
            why = "Aici z este prea mare pentru a fi calculat: corpul e aruncat in jos mult mai "
                  "repede decat viteza limita.";
        else if (form.a > 0)
            why = "Aici " + zIs + n(form.z) +
                  " este foarte aproape de &minus;1/e = " + n(-1 / std::numbers::e) +
                  ", unde W isi pierde cifrele (rezistenta aerului abia "
                  "schimba zborul): T calculat cu W(z) n-ar avea cifrele sigure.";
        else
            why =
                "Aici zborul e scurt, iar corpul e aruncat in jos mai repede decat viteza limita: "
                "a este negativ si W(z) aproape egal cu &minus;a &minus; b, iar suma a + b + W(z) "
                "si-ar pierde cifrele.";
        detail(why +
               " De aceea programul nu a folosit W: a aflat T cautand numeric radacina "
               "ecuatiei y(T) = 0, restrangand intervalul in care y isi schimba semnul pana la "
               "ultima cifra: T = " +
               n(r.T) + " s");
    }
    heading("Distanta parcursa");
    para("D = x(T) = (" + fx(vx0) + "/" + k + ") &middot; (1 &minus; e<sup>&minus;" + k +
         " &middot; " + T + "</sup>)" + eq(r.D) + " m");
    impact(r.at(r.T));
}

void Writer::quadratic(double vx0, double vy0) {
    const Launch& l = r.launch;
    const double area = std::numbers::pi * l.diameter * l.diameter / 4;
    const double c = l.rho * l.cd * area / (2 * l.mass);
    components(vx0, vy0);
    heading("Ecuatiile miscarii");
    para("Aerul franeaza corpul cu o forta proportionala cu patratul vitezei, F = &frac12; "
         "&middot; &rho; &middot; C<sub>d</sub> &middot; A &middot; v" + std::string(squared) +
         ", cu aria sectiunii A = &pi; &middot; d" + squared + "/4 &asymp; " +
         html::number(area, locale, 5) + " m" + squared +
         ". Pe unitatea de masa: c = &rho; &middot; C<sub>d</sub> &middot; A/(2 &middot; m) &asymp; " +
         html::number(c, locale, 5) + " 1/m, deci:<br>\ndv<sub>x</sub>/dt = &minus;c &middot; v &middot; v<sub>x</sub>, "
         "dv<sub>y</sub>/dt = &minus;g &minus; c &middot; v &middot; v<sub>y</sub>, cu v = "
         "&radic;(v<sub>x</sub>" + squared + " + v<sub>y</sub>" + squared + ")");
    const double w = std::sqrt(l.g / c);
    para("Viteza limita: w = &radic;(g/c)" + eq(w) + " m/s");
    if (r.method == Method::Fall) {
        heading("Cum a calculat programul");
        para("Corpul este aruncat vertical in jos cu cel putin jumatate din viteza limita: ramane "
             "pe verticala si miscarea lui are formula exacta, fara integrare numerica (vezi "
             "Detalii).");
        fall(*r.fall, w, nullptr, "h<sub>0</sub>", "v<sub>0</sub>");
    } else {
        heading("De ce nu exista o formula");
        para("Forta depinde de viteza totala v, care leaga miscarea pe orizontala de cea pe "
             "verticala: ecuatiile nu se pot rezolva separat si solutia lor nu se poate scrie cu "
             "functiile cunoscute (o aruncare in afara verticalei nu are formula). Programul a "
             "calculat miscarea numeric, pas cu pas (vezi Detalii).");
        const bool falls = r.method == Method::StepsThenFall;
        const std::string apexFound = r.apexTime > 0 ? "al varfului (" + std::string(vy) + " = 0)" : "";
        const std::string found =
            falls ? (apexFound.empty() ? "" : " Momentul " + apexFound + " s-a gasit")
                  : " Momentul aterizarii (y = 0)" +
                        (apexFound.empty() ? " s-a gasit" : " si " + apexFound + " s-au gasit");
        detail(
            "Ecuatiile au fost integrate numeric, pas cu pas, cu metoda Runge-Kutta Dormand-Prince "
            "de ordinul 5, cu pasul ales automat astfel incat eroarea fiecarui pas sa ramana sub o "
            "mie de miliardimi (10<sup>&minus;12</sup>) din marimile calculate: " +
            std::to_string(r.steps) +
            (r.steps % 100 >= 20 || (r.steps >= 100 && r.steps % 100 == 0) ? " de" : "") +
            " pasi, independenti de pasul animatiei." +
            (found.empty() ? "" : found + " cautand zeroul intre doi pasi."));
        if (falls) {
            detail("Dupa ultimul pas, la t<sub>1</sub> = " + a(r.fall->start) +
                   " s, corpul cadea "
                   "vertical (viteza orizontala ramasa nu mai schimba x in primele 13 cifre), de la "
                   "y<sub>1</sub> = " +
                   a(r.fall->height) + " m, cu v<sub>1</sub> = " + a(r.fall->speed) +
                   " m/s, cel putin jumatate din viteza limita. De acolo programul "
                   "a folosit formula exacta a caderii verticale:");
            fall(*r.fall, w, "t<sub>1</sub>", "y<sub>1</sub>", "v<sub>1</sub>");
        }
        detail("T, D, H si V au eroarea relativa sub 10<sup>&minus;9</sup>: sunt sigure primele 10 "
               "cifre: T = " + a(r.T) + " s, D = " + a(r.D) + " m, H = " + a(r.H) + " m, V = " +
               a(r.V) + " m/s.");
    }
    if (vy0 > 0)
        apex("Momentul in care " + std::string(vy) + " = 0, din calculul numeric: t<sub>urcare</sub>" +
             eq(r.apexTime) + " s");
    Launch inVacuum = l;
    inVacuum.medium = Medium::Vacuum;
    const auto v = solve(inVacuum);
    heading("Rezultate, alaturi de aceeasi aruncare in vid");
    std::string table = "<table cellspacing=\"0\" cellpadding=\"4\" border=\"1\"><tr><th></th>"
                        "<th>cu aer</th><th>in vid</th></tr>\n";
    auto row = [&](const char* name, double air, double vacuum, const char* unit, int decimals) {
        table += std::string("<tr><td>") + name + "</td><td>" + fx(air, decimals) + " " + unit +
                 "</td><td>" + (v ? fx(vacuum, decimals) + " " + unit : "&minus;") + "</td></tr>\n";
    };
    row("timpul de zbor T", r.T, v ? v->T : 0, "s", 3);
    row("distanta D", r.D, v ? v->D : 0, "m", 3);
    row("inaltimea maxima H", r.H, v ? v->H : 0, "m", 3);
    row("viteza la impact V", r.V, v ? v->V : 0, "m/s", 3);
    row("unghiul de impact", r.impactAngle, v ? v->impactAngle : 0, "&deg;", 2);
    out += table + "</table>\n";
    impact(r.at(r.T));
}

// The exact vertical fall from t1 (the launch when null) at height h1 with the downward speed v1,
// to the landing; w the terminal speed. Among the details.
void Writer::fall(const VerticalFall& fall, double w, const char* t1, const char* h1,
                  const char* v1) {
    const Launch& l = r.launch;
    const double ratio = fall.speed / w, E = std::exp(l.g * fall.height / (w * w));
    const std::string rho = std::string(v1) + "/w";
    const std::string s =
        t1 ? "s = g &middot; (t &minus; " + std::string(t1) + ")/w" : "s = g &middot; t/w";
    const std::string T = t1 ? "T = " + std::string(t1) + " + (w/g)" : "T = (w/g)";
    detail("Viteza de cadere v (in jos) verifica dv/dt = g &minus; c &middot; v" +
           std::string(squared) + " = g &middot; (1 &minus; v" + squared + "/w" + squared +
           "). Cu " + s + " si " + rho + " = " + n(ratio) +
           ", solutia ei este v = w &middot; (tanh s + " + rho + ")/(1 + " + rho +
           " &middot; tanh s), iar distanta cazuta este (w" + squared +
           "/g) &middot; ln(cosh s + " + rho + " &middot; sinh s).");
    detail(std::string("La sol distanta cazuta este ") + h1 + ": cosh s + " + rho +
           " &middot; sinh s = E, cu E = e<sup>g&middot;" + h1 + "/w<sup>2</sup></sup>" +
           (std::isfinite(E)
                ? " = " + a(E)
                : std::string(
                      " (prea mare pentru a fi scris; programul a lucrat cu logaritmul lui)")) +
           ". Este o ecuatie de gradul 2 in e<sup>s</sup>, cu radacina pozitiva e<sup>s</sup> = (E + "
           "&radic;(E" +
           squared + " + (" + rho + ")" + squared + " &minus; 1))/(1 + " + rho +
           "), deci s &asymp; " + a(fall.duration * l.g / w) + " si " + T + " &middot; s &asymp; " +
           a(r.T) + " s.");
}

} // namespace

std::string solutionHtml(const Trajectory& r, const tk::Locale& locale) {
    Writer w{r, locale, {}, {}};
    const Launch& l = r.launch;
    const double vx0 = l.v0 * detail::cosDeg(l.angle), vy0 = l.v0 * detail::sinDeg(l.angle);
    w.data();
    switch (l.medium) {
    case Medium::Vacuum:
        w.vacuum(vx0, vy0);
        break;
    case Medium::LinearDrag:
        w.linear(vx0, vy0);
        break;
    case Medium::QuadraticDrag:
        w.quadratic(vx0, vy0);
        break;
    }
    if (!w.details.empty())
        w.out += "<h3>Detalii</h3>\n" + w.details;
    return w.out;
}

std::string solutionHtml(const Launch& launch, const tk::Locale& locale) {
    const auto r = solve(launch);
    return r ? solutionHtml(*r, locale) : "<p>" + html::escape(r.refusal().message) + "</p>\n";
}

} // namespace physics
