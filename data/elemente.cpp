// The element catalogue: the 118 constant element records and the cell-code lookup.
#include "data/elemente.h"

// One record per line, in the field order of TipElement; each double is written in its shortest
// decimal form, so it reads back as exactly the stored value. Electroni lists shells 1 (K) to 7 (Q).
//
// Discoverers are credited with the discovery made in the year stored beside them. Where that is not
// the obvious credit:
//   HE  Ramsay, and independently Cleve and Langlet, isolated it from cleveite in 1895
//   O   Priestley published it in 1774; Scheele had found it independently
//   MG  Black recognised magnesia as the earth of a new element in 1755
//   V   del Rio found it in 1801; Sefstrom rediscovered it in 1830
//   AS  Albertus Magnus is credited with isolating it around 1250
//   SR  Crawford recognised strontia as a new earth in 1790
//   CE  ceria was found in 1803 by Berzelius with Hisinger, and independently by Klaproth
//   PR  Auer von Welsbach split didymium into praseodymium and neodymium in 1885 (the record keeps 1895)
//   ND  as PR
//   HO  Delafontaine and Soret found its absorption lines in 1878; Cleve isolated its earth in 1879
//   PT  Scaliger described the metal in 1557
//   BI  Biringuccio described it in his Pirotechnia of 1540
//   PA  Hahn and Meitner in 1917; Soddy and Cranston found it independently the same year
//   ES  found with FM in the debris of the 1952 thermonuclear test by Ghiorso's team at Berkeley
//   RF  the 1964 claim of Flerov's group at Dubna
//   DB  the 1967 claim of Flerov's group at Dubna
//   BH  the 1976 claim of Oganessian's group at Dubna
//   HS  HS to CN were made at GSI in Darmstadt (Muenzenberg, Armbruster, Hofmann and colleagues)
constexpr TipCatalog Elemente = {{{
    //         Simbol Denumire              Descoperitor                             Masa         Dens    Topire   Fierbere Electroni                 Poz An
    /*   1 */ {"H",   "HIDROGEN",           "Cavendish",                               1.00794,    0.084,  -259.1,  -252.9, { 1,  0,  0,  0,  0,  0,  0},   1, 1766},
    /*   2 */ {"HE",  "HELIU",              "Ramsay, Cleve si Langlet",                4.002602,   0.17,   -272.2,  -268.9, { 2,  0,  0,  0,  0,  0,  0},  18, 1895},
    /*   3 */ {"LI",  "LITIU",              "Arfwedson",                               6.941,      0.53,    180.5,  1317.0, { 2,  1,  0,  0,  0,  0,  0},  19, 1817},
    /*   4 */ {"BE",  "BERILIU",            "Vauquelin",                               9.012182,   1.85,   1278.0,  2970.0, { 2,  2,  0,  0,  0,  0,  0},  20, 1797},
    /*   5 */ {"B",   "BOR",                "Gay-Lussac, Thenard si Davy",            10.811,      2.46,   2300.0,  2550.0, { 2,  3,  0,  0,  0,  0,  0},  31, 1808},
    /*   6 */ {"C",   "CARBON",             "necunoscut",                             12.01115,    3.51,   3550.0,  4827.0, { 2,  4,  0,  0,  0,  0,  0},  32,    0},
    /*   7 */ {"N",   "AZOT (NITROGEN)",    "Daniel Rutherford",                      14.00674,    1.17,   -209.9,  -195.8, { 2,  5,  0,  0,  0,  0,  0},  33, 1772},
    /*   8 */ {"O",   "OXIGEN",             "Priestley si Scheele",                   15.9994,     1.33,   -218.4,  -182.9, { 2,  6,  0,  0,  0,  0,  0},  34, 1774},
    /*   9 */ {"F",   "FLUOR",              "Moissan",                                18.9984032,  1.58,   -219.6,  -188.1, { 2,  7,  0,  0,  0,  0,  0},  35, 1886},
    /*  10 */ {"NE",  "NEON",               "Ramsay si Travers",                      20.1797,     0.84,   -248.7,  -246.1, { 2,  8,  0,  0,  0,  0,  0},  36, 1898},
    /*  11 */ {"NA",  "SODIU (NATRIU)",     "Davy",                                   22.989768,   0.97,     97.8,   892.0, { 2,  8,  1,  0,  0,  0,  0},  37, 1807},
    /*  12 */ {"MG",  "MAGNEZIU",           "Black",                                  24.305,      1.74,    648.8,  1107.0, { 2,  8,  2,  0,  0,  0,  0},  38, 1755},
    /*  13 */ {"AL",  "ALUMINIU",           "Oersted",                                26.981539,   2.7,     660.5,  2467.0, { 2,  8,  3,  0,  0,  0,  0},  49, 1825},
    /*  14 */ {"SI",  "SILICIU",            "Berzelius",                              28.0855,     2.33,   1410.0,  2355.0, { 2,  8,  4,  0,  0,  0,  0},  50, 1824},
    /*  15 */ {"P",   "FOSFOR",             "Brand",                                  30.973762,   1.82,     44.0,   280.0, { 2,  8,  5,  0,  0,  0,  0},  51, 1669},
    /*  16 */ {"S",   "SULF",               "necunoscut",                             32.066,      2.06,    113.0,   444.7, { 2,  8,  6,  0,  0,  0,  0},  52,    0},
    /*  17 */ {"CL",  "CLOR",               "Scheele",                                35.4527,     2.95,    -34.6,  -101.0, { 2,  8,  7,  0,  0,  0,  0},  53, 1774},
    /*  18 */ {"AR",  "ARGON",              "Rayleigh si Ramsay",                     39.948,      1.66,   -189.4,  -185.9, { 2,  8,  8,  0,  0,  0,  0},  54, 1894},
    /*  19 */ {"K",   "POTASIU (KALIU)",    "Davy",                                   39.0983,     0.86,     63.7,   774.0, { 2,  8,  8,  1,  0,  0,  0},  55, 1807},
    /*  20 */ {"CA",  "CALCIU",             "Davy",                                   40.078,      1.54,    839.0,  1487.0, { 2,  8,  8,  2,  0,  0,  0},  56, 1808},
    /*  21 */ {"SC",  "SCANDIU",            "Nilson",                                 44.95591,    2.99,   1539.0,  2832.0, { 2,  8,  9,  2,  0,  0,  0},  57, 1879},
    /*  22 */ {"TI",  "TITAN",              "Gregor",                                 47.88,       4.51,   1660.0,  3260.0, { 2,  8, 10,  2,  0,  0,  0},  58, 1791},
    /*  23 */ {"V",   "VANADIU",            "del Rio",                                50.9415,     6.09,   1890.0,  3380.0, { 2,  8, 11,  2,  0,  0,  0},  59, 1801},
    /*  24 */ {"CR",  "CROM",               "Vauquelin",                              51.9961,     7.14,   1857.0,  2482.0, { 2,  8, 13,  1,  0,  0,  0},  60, 1797},
    /*  25 */ {"MN",  "MANGAN",             "Gahn",                                   54.93805,    7.44,   1244.0,  2097.0, { 2,  8, 13,  2,  0,  0,  0},  61, 1774},
    /*  26 */ {"FE",  "FIER",               "necunoscut",                             55.847,      7.87,   1535.0,  2750.0, { 2,  8, 14,  2,  0,  0,  0},  62,    0},
    /*  27 */ {"CO",  "COBALT",             "Brandt",                                 58.9332,     8.89,   1495.0,  2870.0, { 2,  8, 15,  2,  0,  0,  0},  63, 1735},
    /*  28 */ {"NI",  "NICHEL",             "Cronstedt",                              58.69,       8.91,   1453.0,  2732.0, { 2,  8, 16,  2,  0,  0,  0},  64, 1751},
    /*  29 */ {"CU",  "CUPRU",              "necunoscut",                             63.54,       8.92,   1083.5,  2595.0, { 2,  8, 18,  1,  0,  0,  0},  65,    0},
    /*  30 */ {"ZN",  "ZINC",               "necunoscut",                             65.39,       7.14,    419.6,   907.0, { 2,  8, 18,  2,  0,  0,  0},  66,    0},
    /*  31 */ {"GA",  "GALIU",              "Lecoq de Boisbaudran",                   69.723,      5.91,     29.8,  2403.0, { 2,  8, 18,  3,  0,  0,  0},  67, 1875},
    /*  32 */ {"GE",  "GERMANIU",           "Winkler",                                72.61,       5.32,    937.4,  2830.0, { 2,  8, 18,  4,  0,  0,  0},  68, 1886},
    /*  33 */ {"AS",  "ARSEN",              "Albertus Magnus",                        74.92159,    5.72,    613.0,   613.0, { 2,  8, 18,  5,  0,  0,  0},  69, 1250},
    /*  34 */ {"SE",  "SELENIU",            "Berzelius",                              78.96,       4.82,    217.0,   685.0, { 2,  8, 18,  6,  0,  0,  0},  70, 1817},
    /*  35 */ {"BR",  "BROM",               "Balard",                                 79.904,      3.14,     -7.3,    58.8, { 2,  8, 18,  7,  0,  0,  0},  71, 1826},
    /*  36 */ {"KR",  "KRIPTON",            "Ramsay si Travers",                      83.8,        3.48,   -156.6,  -152.3, { 2,  8, 18,  8,  0,  0,  0},  72, 1898},
    /*  37 */ {"RB",  "RUBIDIU",            "Bunsen si Kirchhoff",                    85.4678,     1.53,     39.0,   688.0, { 2,  8, 18,  8,  1,  0,  0},  73, 1861},
    /*  38 */ {"SR",  "STRONTIU",           "Crawford",                               87.62,       2.63,    769.0,  1384.0, { 2,  8, 18,  8,  2,  0,  0},  74, 1790},
    /*  39 */ {"Y",   "YTRIU",              "Gadolin",                                88.90585,    4.47,   1523.0,  3337.0, { 2,  8, 18,  9,  2,  0,  0},  75, 1794},
    /*  40 */ {"ZR",  "ZIRCONIU",           "Klaproth",                               91.224,      6.51,   1852.0,  4377.0, { 2,  8, 18, 10,  2,  0,  0},  76, 1789},
    /*  41 */ {"NB",  "NIOBIU",             "Hatchett",                               92.90638,    8.58,   2468.0,  4927.0, { 2,  8, 18, 12,  2,  0,  0},  77, 1801},
    /*  42 */ {"MO",  "MOLIBDEN",           "Scheele",                                95.94,      10.28,   2617.0,  5560.0, { 2,  8, 18, 13,  1,  0,  0},  78, 1778},
    /*  43 */ {"TC",  "TEHNETIU",           "Perrier si Segre",                       98.9063,    11.49,   2172.0,  5030.0, { 2,  8, 18, 13,  2,  0,  0},  79, 1937},
    /*  44 */ {"RU",  "RUTHENIU",           "Claus",                                 101.07,      12.45,   2310.0,  3900.0, { 2,  8, 18, 15,  1,  0,  0},  80, 1844},
    /*  45 */ {"RH",  "RODIU",              "Wollaston",                             102.9055,    12.41,   1966.0,  3727.0, { 2,  8, 18, 16,  1,  0,  0},  81, 1803},
    /*  46 */ {"PD",  "PALADIU",            "Wollaston",                             106.42,      12.02,   1552.0,  3140.0, { 2,  8, 18, 18,  0,  0,  0},  82, 1803},
    /*  47 */ {"AG",  "ARGINT",             "necunoscut",                            107.8682,    10.49,    961.9,  2212.0, { 2,  8, 18, 18,  1,  0,  0},  83,    0},
    /*  48 */ {"CD",  "CADMIU",             "Stromeyer",                             112.411,      8.64,    321.0,   765.0, { 2,  8, 18, 18,  2,  0,  0},  84, 1817},
    /*  49 */ {"IN",  "INDIU",              "Reich si Richter",                      114.82,       7.31,    156.2,  2080.0, { 2,  8, 18, 18,  3,  0,  0},  85, 1863},
    /*  50 */ {"SN",  "STANIU",             "necunoscut",                            118.71,       7.29,    232.0,  2270.0, { 2,  8, 18, 18,  4,  0,  0},  86,    0},
    /*  51 */ {"SB",  "STIBIU (ANTIMONIU)", "necunoscut",                            121.75,       6.69,    630.7,  1750.0, { 2,  8, 18, 18,  5,  0,  0},  87,    0},
    /*  52 */ {"TE",  "TELUR",              "Muller von Reichenstein",               127.6,        6.25,    449.6,   990.0, { 2,  8, 18, 18,  6,  0,  0},  88, 1782},
    /*  53 */ {"I",   "IOD",                "Courtois",                              126.90447,    4.94,    113.5,   184.4, { 2,  8, 18, 18,  7,  0,  0},  89, 1811},
    /*  54 */ {"XE",  "XENON",              "Ramsay si Travers",                     131.29,       4.49,   -111.9,  -107.0, { 2,  8, 18, 18,  8,  0,  0},  90, 1898},
    /*  55 */ {"CS",  "CESIU",              "Bunsen si Kirchhoff",                   132.90543,    1.9,      28.4,   690.0, { 2,  8, 18, 18,  8,  1,  0},  91, 1860},
    /*  56 */ {"BA",  "BARIU",              "Davy",                                  137.327,      3.65,    725.0,  1640.0, { 2,  8, 18, 18,  8,  2,  0},  92, 1808},
    /*  57 */ {"LA",  "LANTAN",             "Mosander",                              138.9055,     6.16,    920.0,  3454.0, { 2,  8, 18, 18,  9,  2,  0}, 165, 1839},
    /*  58 */ {"CE",  "CERIU",              "Berzelius, Hisinger si Klaproth",       140.115,      6.77,    798.0,  3257.0, { 2,  8, 18, 20,  8,  2,  0}, 166, 1803},
    /*  59 */ {"PR",  "PRASEODIM",          "Auer von Welsbach",                     140.90765,    6.48,    931.0,  3212.0, { 2,  8, 18, 21,  8,  2,  0}, 167, 1895},
    /*  60 */ {"ND",  "NEODIM",             "Auer von Welsbach",                     144.24,       7.0,    1010.0,  3127.0, { 2,  8, 18, 22,  8,  2,  0}, 168, 1895},
    /*  61 */ {"PM",  "PROMETIU",           "Marinsky, Glendenin si Coryell",        146.9151,     7.22,   1080.0,  2730.0, { 2,  8, 18, 23,  8,  2,  0}, 169, 1945},
    /*  62 */ {"SM",  "SAMARIU",            "Lecoq de Boisbaudran",                  150.36,       7.54,   1072.0,  1778.0, { 2,  8, 18, 24,  8,  2,  0}, 170, 1879},
    /*  63 */ {"EU",  "EUROPIU",            "Demarcay",                              151.965,      5.25,    822.0,  1597.0, { 2,  8, 18, 25,  8,  2,  0}, 171, 1901},
    /*  64 */ {"GD",  "GADOLINIU",          "Marignac",                              157.25,       7.89,   1311.0,  3233.0, { 2,  8, 18, 25,  9,  2,  0}, 172, 1880},
    /*  65 */ {"TB",  "TERBIU",             "Mosander",                              158.92534,    8.25,   1360.0,  3041.0, { 2,  8, 18, 27,  8,  2,  0}, 173, 1843},
    /*  66 */ {"DY",  "DISPROSIU",          "Lecoq de Boisbaudran",                  162.5,        8.56,   1409.0,  2335.0, { 2,  8, 18, 28,  8,  2,  0}, 174, 1886},
    /*  67 */ {"HO",  "HOLMIU",             "Delafontaine si Soret",                 164.93032,    8.78,   1470.0,  2720.0, { 2,  8, 18, 29,  8,  2,  0}, 175, 1878},
    /*  68 */ {"ER",  "ERBIU",              "Mosander",                              167.26,       9.05,   1522.0,  2510.0, { 2,  8, 18, 30,  8,  2,  0}, 176, 1842},
    /*  69 */ {"TM",  "TULIU",              "Cleve",                                 168.93421,    9.32,   1545.0,  1727.0, { 2,  8, 18, 31,  8,  2,  0}, 177, 1879},
    /*  70 */ {"YB",  "YTERBIU",            "Marignac",                              173.04,       6.97,    824.0,  1193.0, { 2,  8, 18, 32,  8,  2,  0}, 178, 1878},
    /*  71 */ {"LU",  "LUTETIU",            "Urbain, Auer von Welsbach si James",    174.967,      9.84,   1656.0,  3315.0, { 2,  8, 18, 32,  9,  2,  0}, 179, 1907},
    /*  72 */ {"HF",  "HAFNIU",             "Coster si Hevesy",                      178.49,      13.31,   2150.0,  5400.0, { 2,  8, 18, 32, 10,  2,  0},  94, 1923},
    /*  73 */ {"TA",  "TANTAL",             "Ekeberg",                               180.9479,    16.68,   2996.0,  5425.0, { 2,  8, 18, 32, 11,  2,  0},  95, 1802},
    /*  74 */ {"W",   "WOLFRAM",            "Juan Jose si Fausto Elhuyar",           183.85,      19.26,   3407.0,  5927.0, { 2,  8, 18, 32, 12,  2,  0},  96, 1783},
    /*  75 */ {"RE",  "RENIU",              "Noddack, Tacke si Berg",                186.207,     21.03,   3180.0,  5627.0, { 2,  8, 18, 32, 13,  2,  0},  97, 1925},
    /*  76 */ {"OS",  "OSMIU",              "Tennant",                               190.2,       22.61,   3045.0,  5027.0, { 2,  8, 18, 32, 14,  2,  0},  98, 1803},
    /*  77 */ {"IR",  "IRIDIU",             "Tennant",                               192.22,      22.65,   2410.0,  4130.0, { 2,  8, 18, 32, 15,  2,  0},  99, 1803},
    /*  78 */ {"PT",  "PLATINA",            "Scaliger",                              195.08,      21.45,   1772.0,  3827.0, { 2,  8, 18, 32, 16,  2,  0}, 100, 1557},
    /*  79 */ {"AU",  "AUR",                "necunoscut",                            196.96654,   19.32,   1064.4,  2940.0, { 2,  8, 18, 32, 18,  1,  0}, 101,    0},
    /*  80 */ {"HG",  "MERCUR",             "necunoscut",                            200.59,      13.55,    -38.9,   356.6, { 2,  8, 18, 32, 18,  2,  0}, 102,    0},
    /*  81 */ {"TL",  "TALIU",              "Crookes",                               204.3833,    11.85,    303.6,  1457.0, { 2,  8, 18, 32, 18,  3,  0}, 103, 1861},
    /*  82 */ {"PB",  "PLUMB",              "necunoscut",                            207.2,       11.34,    327.5,  1740.0, { 2,  8, 18, 32, 18,  4,  0}, 104,    0},
    /*  83 */ {"BI",  "BISMUT",             "Biringuccio",                           208.98037,    9.8,     271.4,  1560.0, { 2,  8, 18, 32, 18,  5,  0}, 105, 1540},
    /*  84 */ {"PO",  "POLONIU",            "Pierre si Marie Curie",                 208.9824,     9.2,     254.0,   962.0, { 2,  8, 18, 32, 18,  6,  0}, 106, 1898},
    /*  85 */ {"AT",  "ASTATINIU",          "Corson, MacKenzie si Segre",            209.9871,     0.0,     302.0,   337.0, { 2,  8, 18, 32, 18,  7,  0}, 107, 1940},
    /*  86 */ {"RN",  "RADON",              "Dorn",                                  222.0176,     9.23,    -71.0,   -61.8, { 2,  8, 18, 32, 18,  8,  0}, 108, 1900},
    /*  87 */ {"FR",  "FRANCIU",            "Perey",                                 223.0197,     0.0,      27.0,   677.0, { 2,  8, 18, 32, 18,  8,  1}, 109, 1939},
    /*  88 */ {"RA",  "RADIU",              "Pierre si Marie Curie",                 226.0254,     5.5,     700.0,  1140.0, { 2,  8, 18, 32, 18,  8,  2}, 110, 1898},
    /*  89 */ {"AC",  "ACTINIU",            "Debierne",                              227.0278,    10.07,   1047.0,  3197.0, { 2,  8, 18, 32, 18,  9,  2}, 183, 1899},
    /*  90 */ {"TH",  "TORIU",              "Berzelius",                             232.0381,    11.72,   1750.0,  4787.0, { 2,  8, 18, 32, 18, 10,  2}, 184, 1829},
    /*  91 */ {"PA",  "PROTACTINIU",        "Hahn si Meitner",                       231.0359,    15.37,   1554.0,  4030.0, { 2,  8, 18, 32, 20,  9,  2}, 185, 1917},
    /*  92 */ {"U",   "URANIU",             "Klaproth",                              238.0289,    18.97,   1132.4,  3818.0, { 2,  8, 18, 32, 21,  9,  2}, 186, 1789},
    /*  93 */ {"NP",  "NEPTUNIU",           "McMillan si Abelson",                   237.0482,    20.48,    640.0,  3902.0, { 2,  8, 18, 32, 22,  9,  2}, 187, 1940},
    /*  94 */ {"PU",  "PLUTONIU",           "Seaborg, McMillan, Kennedy si Wahl",    244.0642,    19.74,    641.0,  3327.0, { 2,  8, 18, 32, 24,  8,  2}, 188, 1940},
    /*  95 */ {"AM",  "AMERICIU",           "Seaborg, James, Morgan si Ghiorso",     243.0614,    13.67,    994.0,  2607.0, { 2,  8, 18, 32, 25,  8,  2}, 189, 1944},
    /*  96 */ {"CM",  "CURIU",              "Seaborg, James si Ghiorso",             247.0703,    13.51,   1340.0, 10000.0, { 2,  8, 18, 32, 25,  9,  2}, 190, 1944},
    /*  97 */ {"BK",  "BERKELIU",           "Thompson, Ghiorso si Seaborg",          247.0703,    13.25,    986.0, 10000.0, { 2,  8, 18, 32, 27,  8,  2}, 191, 1949},
    /*  98 */ {"CF",  "CALIFORNIU",         "Thompson, Street, Ghiorso si Seaborg",  251.0796,    15.1,     900.0, 10000.0, { 2,  8, 18, 32, 28,  8,  2}, 192, 1950},
    /*  99 */ {"ES",  "EINSTEINIU",         "Ghiorso, Thompson, Higgins si Seaborg", 252.0829,     0.0,     860.0, 10000.0, { 2,  8, 18, 32, 29,  8,  2}, 193, 1952},
    /* 100 */ {"FM",  "FERMIU",             "Ghiorso, Thompson, Higgins si Seaborg", 257.0951,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 30,  8,  2}, 194, 1952},
    /* 101 */ {"MD",  "MENDELEEVIU",        "Ghiorso, Harvey, Choppin si Thompson",  258.0986,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 31,  8,  2}, 195, 1955},
    /* 102 */ {"NO",  "NOBELIU",            "Ghiorso, Sikkeland, Walton si Seaborg", 259.1009,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32,  8,  2}, 196, 1958},
    /* 103 */ {"LR",  "LAWRENTIU",          "Ghiorso, Sikkeland, Larsh si Latimer",  260.1053,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32,  9,  2}, 197, 1961},
    /* 104 */ {"RF",  "RUTHERFORDIU",       "Flerov si colaboratorii",               261.1087,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 10,  2}, 112, 1964},
    /* 105 */ {"DB",  "DUBNIU",             "Flerov si colaboratorii",               262.1138,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 11,  2}, 113, 1967},
    /* 106 */ {"SG",  "SEABORGIU",          "Ghiorso, Nitschke, Nurmia si Seaborg",  263.1182,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 12,  2}, 114, 1974},
    /* 107 */ {"BH",  "BOHRIU",             "Oganessian si colaboratorii",           262.1229,     0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 13,  2}, 115, 1976},
    /* 108 */ {"HS",  "HASSIU",             "GSI Darmstadt",                         265.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 14,  2}, 116, 1984},
    /* 109 */ {"MT",  "MEITNERIU",          "GSI Darmstadt",                         266.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 15,  2}, 117, 1982},
    /* 110 */ {"DS",  "DARMSTADTIU",        "GSI Darmstadt",                         269.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 17,  1}, 118, 1994},
    /* 111 */ {"RG",  "ROENTGENIU",         "GSI Darmstadt",                         272.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  1}, 119, 1994},
    /* 112 */ {"CN",  "COPERNICIU",         "GSI Darmstadt",                         277.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  2}, 120, 1996},
    /* 113 */ {"UUT", "UNUNTRIU",           "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  3}, 121, 2004},
    /* 114 */ {"UUQ", "UNUNQUADIU",         "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  4}, 122, 1998},
    /* 115 */ {"UUP", "UNUNPENTIU",         "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  5}, 123, 2004},
    /* 116 */ {"UUH", "UNUNHEXIU",          "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  6}, 124, 1999},
    /* 117 */ {"UUS", "UNUNSEPTIU",         "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  7}, 125,    0},
    /* 118 */ {"UUO", "UNUNOCTIU",          "",                                        0.0,        0.0,   10000.0, 10000.0, { 2,  8, 18, 32, 32, 18,  8}, 126, 1999},
}}};

// The Z whose cell code equals the code, or 0 when no record has it.
int32_t CautaElement(int32_t cod) {
  // No index by cell code: 198 scans of 118 records per table screen cost next to nothing.
  int32_t z_gasit = 0;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    if (Elemente[z].Pozitie == cod) {
      z_gasit = z;
    }
  }
  return z_gasit;
}
