#pragma once

#include <QString>

namespace Globals {

// Sends the bill of material of the current setup to the price-and-availability
// service in batches of 9 lines, one after the other within one time limit for
// the whole run, collects the answers and builds Price_Table_Text; the lines
// not answered when the time runs out are left empty. Shows the wait dialog
// meanwhile. Returns false when the user cancelled in the wait dialog; throws
// std::runtime_error, with a text for the user, when the service is not
// configured, cannot be reached, does not answer the first batch in time,
// answers with an HTTP error, with a document that
// Read_Price_Availability_Response refuses or one larger than 4 MB (reading
// stops there), or answers none of the lines asked.
bool Request_Price_Availability();

// After a run, what the user is told of answers that are not each line's own
// (PriceShortfall): empty when every line got its own answer at its place and
// nothing else came.
QString Price_Shortfall();

// Places the Model, PromiseDate and Unit texts of Price_Response at the answer
// arrays' entries first to first + count - 1, in order, adds how many it
// placed to Response_Count and empties Price_Request_XML. Answer lines beyond
// count are not stored. Returns how many answer lines the answer holds.
// Throws std::runtime_error, storing nothing, when the answer is not
// well-formed XML or nests its elements more than 32 levels deep.
int Read_Price_Availability_Response(int first, int count);

// One line per bill-of-material line: model, date as MM/DD/YYYY and unit, each
// followed by two tabs, then CR LF.
void Build_Price_Availability_Table();

// The request document for count bill-of-material lines starting at line
// first (numbered from 1); part numbers are escaped for XML, and characters
// XML 1.0 forbids are dropped from them.
QString Price_Availability_Request(int first, int count);

// The service's base URL: QUENRO_PRICE_SERVICE, else Url of [PriceService] in
// Quenro.ini beside the program; empty when neither is set.
QString Price_Service_Url();

// The time limit of a whole run in milliseconds (60 s); tests shorten it.
// Zero or less restores the default.
int Price_Time_Limit();
void Set_Price_Time_Limit_For_Tests(int milliseconds);

} // namespace Globals
