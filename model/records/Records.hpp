#ifndef MODEL_RECORDS_RECORDS_HPP
#define MODEL_RECORDS_RECORDS_HPP

// Every record type of the data-point table (dp_type 10..36).
#include "model/records/DateTimeRecords.hpp"
#include "model/records/SeriesRecords.hpp"
#include "model/records/StatusRecords.hpp"
#include "model/records/TextRecords.hpp"

#endif
