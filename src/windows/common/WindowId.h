#pragma once

namespace velmorix {

// Every window of the program. Windows open each other through the registry
// by these names, so no window module depends on another at build time.
enum class WindowId {
    Loto,     // main window
    Help,     // about box and key card
    Balls,    // bag
    Banko,    // bankers
    Prohibit, // filters
    CLFilt,   // combination list filter dialog (quantum limits)
    YS2Flt,   // forbidden pairs from the played columns
    ComLst,   // combination list window
    OKLst,    // long played columns list
    Ysk6,     // long forbidden sextets list
    Results,  // results editor
    Yasak2,   // forbidden pairs editor
    Yasak6,   // forbidden sextets editor
    OKList,   // played columns editor
    Zero,     // catch-the-zero
    Rep,      // statistics
    ResFilt,  // results range dialog
    Scores,   // hit evaluation
    ArbitGrp, // arbitrary grouping
    KuantFlt, // quantum range dialog
    Kuantum,  // quantum window
    KuantLst, // quantum list
    Takip,    // following numbers
    Rnd,      // random list generator
    RndLst,   // random column list
    CLPrint,  // print/write the combination list
    RLPrint,  // print/write the random list
    OKPrint,  // print/write the played columns
    ResPrint, // print/write the results
};

} // namespace velmorix
