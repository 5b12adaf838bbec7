// The alignment editor's own decisions where its behaviour is open, kept in
// one place.
#pragma once

namespace bx::adj_choice {

// A range box whose text begins with a number but goes on with other
// characters ("150A"): the checks and the store both read the leading
// number (150), so what passes the checks is what is stored. A blank inside
// ends the number as any other character does ("14 5" reads 14).

// A level cell beyond its list shows no selection and keeps its byte until
// an entry is picked (the cells no control shows are kept the same way).

// A numeric box on a hidden page (the squelch boxes while page 3 or 4 is
// shown) that refuses a value shows its message and takes the factory value;
// the focus stays where it is, as a hidden box cannot take it.

// Load requests met while the window's own read or write runs wait in the
// window and are served at the first poll after it ends. A later request
// replaces one still waiting (the name confirmed last is the one loaded),
// and a request still waiting when the window closes is served by the next
// poll of the window when it opens again.

// The level lists are combo boxes whose text part refuses every typed key;
// a pick (mouse or list keys) is the only way to change their cells.

// The VHF boxes of the points above the band and the UHF point labels keep
// the controls' usual colours: the control layer has no colour property.

// The two transmit-enable boxes of the range page are built (the page's
// columns have a heading for them); they hold no data and do nothing.

// Layout inside the pages, in twips: the height of a text box or list, and
// of a one-line label. Rows of boxes are spread over the height of their
// frame, never closer than kMinRowPitch.
inline constexpr int kBoxH = 285;
inline constexpr int kLabelH = 285;
inline constexpr int kMinRowPitch = 300;

// The power pages show each band's 16 points in two columns of eight.
inline constexpr int kPowerRowsPerColumn = 8;
// The level page shows its twelve lists (below the signalling one) in two
// columns of six.
inline constexpr int kLevelRowsPerColumn = 6;

}  // namespace bx::adj_choice
