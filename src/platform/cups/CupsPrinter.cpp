#include "platform/cups/CupsPrinter.hpp"

#include <cups/cups.h>
#include <pthread.h>
#include <sys/socket.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <ctime>
#include <optional>

#include "platform/cups/MediaGeometry.hpp"
#include "platform/pdf/PdfPages.hpp"

namespace {

// A server that never completes the connection, or accepts it and never
// answers, would otherwise hold the program for 30 s to two minutes per
// call (the library's own defaults).
constexpr int kConnectMilliseconds = 1000;
constexpr double kAnswerSeconds = 1.0;
constexpr std::size_t kWriteChunk = 32 * 1024;

constexpr const char* kNoServer = "The print server cannot be reached";
constexpr const char* kNoAnswer = "The print server did not answer";
// The one place a user without a printer learns there is another way.
constexpr const char* kNoDefault = "No default printer (try --print-to DIR)";
constexpr const char* kDefaultTitle = "Tubalyzer";

// Writing to a server that has hung up raises SIGPIPE, whose default action
// ends the program. Keep it blocked in this thread while the spooler is
// talked to, and drop any that arrived before unblocking it.
class PipeSignalBlocked {
 public:
  PipeSignalBlocked() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
  }
  ~PipeSignalBlocked() {
    if (sigismember(&previous_, SIGPIPE) == 1) {
      return;  // blocked before us: whoever blocked it deals with it
    }
    const timespec noWait{0, 0};
    while (sigtimedwait(&pipe_, nullptr, &noWait) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  PipeSignalBlocked(const PipeSignalBlocked&) = delete;
  PipeSignalBlocked& operator=(const PipeSignalBlocked&) = delete;

 private:
  sigset_t pipe_{};
  sigset_t previous_{};
};

class Connection {
 public:
  Connection()
      : http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           kConnectMilliseconds, nullptr)) {
    if (http_ != nullptr) {
      // Without a callback, a wait that runs out fails the call at once.
      httpSetTimeout(http_, kAnswerSeconds, nullptr, nullptr);
    }
  }
  ~Connection() {
    if (http_ != nullptr) {
      httpClose(http_);
    }
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  http_t* get() const { return http_; }

 private:
  http_t* http_;
};

class Destinations {
 public:
  explicit Destinations(http_t* http) : count_(cupsGetDests2(http, &list_)) {}
  ~Destinations() { cupsFreeDests(count_, list_); }
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;

  // The named destination, or the default one when `name` is empty.
  cups_dest_t* find(const std::string& name, const std::string& instance) const {
    return cupsGetDest(name.empty() ? nullptr : name.c_str(),
                       instance.empty() ? nullptr : instance.c_str(), count_, list_);
  }

 private:
  cups_dest_t* list_ = nullptr;
  int count_ = 0;
};

class DestinationInfo {
 public:
  DestinationInfo(http_t* http, cups_dest_t* dest) : info_(cupsCopyDestInfo(http, dest)) {}
  ~DestinationInfo() {
    if (info_ != nullptr) {
      cupsFreeDestInfo(info_);
    }
  }
  DestinationInfo(const DestinationInfo&) = delete;
  DestinationInfo& operator=(const DestinationInfo&) = delete;

  cups_dinfo_t* get() const { return info_; }

 private:
  cups_dinfo_t* info_;
};

bool lastCallFailed() { return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE; }

// A server with no printers, or none set as the default, answers "not
// found": that is no failure of the server.
bool serverFailed() { return lastCallFailed() && cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND; }

// The library's own words for the last failure, or `fallback`. Transport
// failures (a timeout, a dropped connection) come as an internal error whose
// text is a bare system message; the user is better served by saying what
// happened.
std::string lastFailure(const char* fallback) {
  const char* why = cupsLastErrorString();
  if (cupsLastError() == IPP_STATUS_ERROR_INTERNAL || why == nullptr || *why == '\0') {
    return fallback;
  }
  return why;
}

// One small question to the server before the destination list, which
// takes two requests: a server that hangs then costs one time limit, not two.
// A server without a default printer still answers (with "not found").
bool serverAnswers(http_t* http) {
  ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
  if (response == nullptr) {
    return false;
  }
  ippDelete(response);
  return true;
}

std::string noDestination(const std::string& name) {
  if (serverFailed()) {
    return lastFailure(kNoAnswer);
  }
  return name.empty() ? std::string(kNoDefault) : "The printer " + name + " is gone";
}

}  // namespace

PrinterOpen CupsPrinter::openDefaultPrinter() {
  const PipeSignalBlocked quiet;
  destination_.clear();
  instance_.clear();
  const Connection connection;
  if (connection.get() == nullptr) {
    return PrinterOpen{std::nullopt, kNoServer};
  }
  if (!serverAnswers(connection.get())) {
    return PrinterOpen{std::nullopt, lastFailure(kNoAnswer)};
  }
  const Destinations destinations(connection.get());
  cups_dest_t* dest = destinations.find(std::string(), std::string());
  if (dest == nullptr) {
    return PrinterOpen{std::nullopt, noDestination(std::string())};
  }
  const DestinationInfo info(connection.get(), dest);
  if (info.get() == nullptr) {
    return PrinterOpen{std::nullopt, lastFailure(kNoAnswer)};
  }
  PageGeometry geometry = defaultPageGeometry();
  cups_size_t size{};
  if (cupsGetDestMediaDefault(connection.get(), dest, info.get(), CUPS_MEDIA_FLAGS_DEFAULT,
                              &size) != 0) {
    geometry = pageGeometryOf(
        MediaSize{size.width, size.length, size.left, size.right, size.top, size.bottom});
  }
  destination_ = dest->name != nullptr ? dest->name : "";
  instance_ = dest->instance != nullptr ? dest->instance : "";
  return PrinterOpen{geometry, std::string()};
}

std::string CupsPrinter::submitPrintJob(const PrintDocument& document) {
  const PdfFile pdf = renderPdf(document);
  if (!pdf.error.empty()) {
    return pdf.error;
  }
  const PipeSignalBlocked quiet;
  const Connection connection;
  if (connection.get() == nullptr) {
    return kNoServer;
  }
  http_t* http = connection.get();
  if (!serverAnswers(http)) {
    return lastFailure(kNoAnswer);
  }
  const Destinations destinations(http);
  cups_dest_t* dest = destinations.find(destination_, instance_);
  if (dest == nullptr) {
    return noDestination(destination_);
  }
  const DestinationInfo info(http, dest);
  if (info.get() == nullptr) {
    return lastFailure(kNoAnswer);
  }
  const std::string title = document.name.empty() ? kDefaultTitle : document.name;
  int jobId = 0;
  if (cupsCreateDestJob(http, dest, info.get(), &jobId, title.c_str(), 0, nullptr) >
          IPP_STATUS_OK_EVENTS_COMPLETE ||
      jobId <= 0) {
    return lastFailure("The printer refused the job");
  }
  if (cupsStartDestDocument(http, dest, info.get(), jobId, title.c_str(), CUPS_FORMAT_PDF, 0,
                            nullptr, 1) != HTTP_STATUS_CONTINUE) {
    const std::string why = lastFailure("The printer refused the document");
    cupsCancelDestJob(http, dest, jobId);
    return why;
  }
  for (std::size_t offset = 0; offset < pdf.bytes.size(); offset += kWriteChunk) {
    const std::size_t length = std::min(kWriteChunk, pdf.bytes.size() - offset);
    if (cupsWriteRequestData(http, pdf.bytes.data() + offset, length) != HTTP_STATUS_CONTINUE) {
      // Read what answer there is, then take the half-sent job back.
      cupsFinishDestDocument(http, dest, info.get());
      const std::string why = lastFailure(kNoAnswer);
      cupsCancelDestJob(http, dest, jobId);
      return why;
    }
  }
  if (cupsFinishDestDocument(http, dest, info.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
    return lastFailure("The printer did not take the job");
  }
  return std::string();
}
