#include "platform/cups_queue.h"

#include <cups/cups.h>

#include <cstdio>

namespace mc {

namespace {

// What the scheduler answered about one job.
struct JobAnswer {
  bool known = false;  // the scheduler answered
  int state = 0;       // IPP job-state
  std::string why;     // its state message, else its state reasons
};

std::string lastError() {
  const char* text = cupsLastErrorString();
  return text && *text ? text : ippErrorString(cupsLastError());
}

// The service did not answer at all (stopped, no socket), as opposed to
// answering no.
bool unreachable() {
  const ipp_status_t status = cupsLastError();
  return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL;
}

// The text of an attribute's values, joined; "" when it is missing.
std::string attributeText(ipp_t* response, const char* name) {
  ipp_attribute_t* attr = ippFindAttribute(response, name, IPP_TAG_ZERO);
  std::string text;
  for (int i = 0; attr && i < ippGetCount(attr); ++i) {
    const char* value = ippGetString(attr, i, nullptr);
    if (!value || !*value || std::string(value) == "none") continue;
    text += (text.empty() ? "" : ", ") + std::string(value);
  }
  return text;
}

JobAnswer askJob(int id) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", id);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  static const char* const wanted[] = {"job-state", "job-state-reasons", "job-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, wanted);
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  JobAnswer answer;
  if (response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING) {
    answer.known = true;
    answer.state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    answer.why = attributeText(response, "job-state-message");
    if (answer.why.empty()) answer.why = attributeText(response, "job-state-reasons");
  } else {
    answer.why = lastError();
  }
  ippDelete(response);
  return answer;
}

// A job the scheduler will not print as it stands: held (until someone
// releases it), stopped, cancelled or aborted. Queued, printing and
// printed jobs are taken.
const char* lostAs(int state) {
  switch (state) {
    case IPP_JSTATE_HELD: return "held by the print service";
    case IPP_JSTATE_STOPPED: return "stopped by the print service";
    case IPP_JSTATE_CANCELED: return "cancelled";
    case IPP_JSTATE_ABORTED: return "aborted by the print service";
    default: return nullptr;
  }
}

std::string lostText(const JobAnswer& answer) {
  return std::string(lostAs(answer.state)) + (answer.why.empty() ? "" : " (" + answer.why + ")");
}

}  // namespace

CupsQueue::CupsQueue(std::string name) {
  // Qt lists an instance as "queue/instance"; the scheduler knows the queue.
  const size_t slash = name.find('/');
  name_ = name.substr(0, slash);
  if (slash != std::string::npos) instance_ = name.substr(slash + 1);
}

Outcome CupsQueue::refusal() const {
  cups_dest_t* dest =
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, name_.c_str(), instance_.empty() ? nullptr : instance_.c_str());
  if (!dest) {
    if (unreachable()) return Failure{"the print service cannot be reached (" + lastError() + ")"};
    return Failure{"the print service has no queue named " + name_};
  }
  const char* named = cupsGetOption("printer-uri-supported", dest->num_options, dest->options);
  char uri[HTTP_MAX_URI];
  if (named)
    snprintf(uri, sizeof uri, "%s", named);
  else
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     name_.c_str());
  cupsFreeDests(1, dest);

  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                       "printer-state-reasons"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, wanted);
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  Outcome refused;
  if (!response || ippGetStatusCode(response) > IPP_STATUS_OK_CONFLICTING) {
    refused = Failure{"the print service did not say whether the queue takes jobs (" + lastError() + ")"};
  } else {
    std::string message = attributeText(response, "printer-state-message");
    if (message.empty()) message = attributeText(response, "printer-state-reasons");
    const std::string why = message.empty() ? "" : " (" + message + ")";
    ipp_attribute_t* accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    // A stopped queue takes jobs and keeps them: the cards would not come
    // out while the kitchen believes they are printing.
    if (accepting && !ippGetBoolean(accepting, 0))
      refused = Failure{"the queue does not accept jobs" + why};
    else if (ippGetInteger(ippFindAttribute(response, "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED)
      refused = Failure{"the queue is stopped" + why};
  }
  ippDelete(response);
  return refused;
}

Outcome CupsQueue::send(const std::string& pdfFile, const std::string& title, const Options& options) {
  ++sent_;
  int count = 0;
  cups_option_t* list = nullptr;
  for (const auto& [name, value] : options) count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
  const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, name_.c_str(), pdfFile.c_str(), title.c_str(), count, list);
  cupsFreeOptions(count, list);
  if (id == 0) {
    if (unreachable()) return Failure{"the print service cannot be reached (" + lastError() + ")"};
    return Failure{"refused by the print service (" + lastError() + ")"};
  }
  // Taken means queued: a job the scheduler holds or has already given up
  // on at once failed; the answer is asked for now, not waited for.
  const JobAnswer answer = askJob(id);
  if (answer.known && lostAs(answer.state)) return Failure{lostText(answer)};
  taken_.push_back({sent_, id});
  return {};
}

std::vector<std::pair<int, std::string>> CupsQueue::lostJobs() {
  std::vector<std::pair<int, std::string>> lost;
  std::vector<Taken> pending;
  for (const Taken& job : taken_) {
    const JobAnswer answer = askJob(job.id);
    if (answer.known && lostAs(answer.state))
      lost.emplace_back(job.number, lostText(answer));
    else if (!answer.known && !unreachable())
      continue;  // no longer known to the scheduler: done long ago
    else if (!answer.known || answer.state < IPP_JSTATE_COMPLETED)
      pending.push_back(job);
  }
  taken_ = std::move(pending);
  return lost;
}

}  // namespace mc
