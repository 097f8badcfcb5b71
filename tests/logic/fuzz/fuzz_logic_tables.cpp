// libFuzzer target for the computer player's pre-play tables: the first
// byte chooses the table file ("Blattwertung.bin", XML, when even) or the
// null table ("Null.bin", numbers, when odd). What was read is written and
// read back to the same tables; a look-up outside a table gives 0.
//
// The table file is written whole whatever was read (thousands of
// attributes), so the round trip compares the tables read back with those
// read first instead of printing them a second time: the writer depends on
// nothing else, so equal tables give the same text, at half the cost.

#include "skat/logic/PreplayTables.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

namespace {

bool sameTables(const VL_TABELLEN& a, const VL_TABELLEN& b)
{
    auto sameValues = [](const auto& x, const auto& y) {
        for (std::size_t i = 0; i < x.size(); ++i)
            if (x[i].values != y[i].values)
                return false;
        return true;
    };
    return sameValues(a.suitTables, b.suitTables) && sameValues(a.trumpTables, b.trumpTables)
           && a.discardTable.values == b.discardTable.values && a.pairings == b.pairings
           && sameValues(a.jackTables, b.jackTables) && sameValues(a.openTables, b.openTables)
           && a.nullTable == b.nullTable;
}

void tables(std::string_view text)
{
    VL_TABELLEN read;
    if (!fuzzsupport::readDocumentText(read, text))
        return;
    for (int table = -1; table <= VL_TABELLEN::SUIT_TABLES; ++table)
        for (int pattern : {-1, 0, 1, 100000})
            (void)read.suitValue(table, pattern);
    for (int table = -1; table <= VL_TABELLEN::JACK_TABLES; ++table)
        for (int index : {-1, 0, 1, 100000}) {
            (void)read.jackValue(table, index);
            (void)read.openValue(table, index);
            (void)read.trumpValue(table, index);
        }
    require(read.suitValue(VL_TABELLEN::SUIT_TABLES, 0) == 0, "a table outside the range gives 0");
    (void)read.discardProposal(-1);

    const std::string once = fuzzsupport::documentText(read);
    VL_TABELLEN again;
    require(fuzzsupport::readDocumentText(again, once), "written tables read back");
    require(again.skippedEntries == 0, "written tables hold no entry outside its table");
    if (!sameTables(read, again)) {
        fuzzsupport::requireSameText(once, fuzzsupport::documentText(again), "the tables");
        require(false, "the tables read back are those written");
    }
}

void nullTable(const std::string& text)
{
    VL_TABELLEN read;
    if (!read.readNullText(text)) {
        require(!read.nullLoaded && read.nullValue(1, 1, 1) == 0, "a damaged null table stays empty");
        return;
    }
    require(read.nullValue(8, 0, 0) == 0 && read.nullValue(-1, 0, 0) == 0, "outside the null table: 0");
    const std::string once = read.nullText();
    VL_TABELLEN again;
    require(again.readNullText(once), "a written null table reads back");
    fuzzsupport::requireSameText(once, again.nullText(), "the null table");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0)
        tables(text);
    else
        nullTable(std::string(text));
    return 0;
}
