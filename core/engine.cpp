#include "core/engine.h"

#include <algorithm>
#include <optional>

#include <strings.h>

#include "core/editor.h"
#include "core/exceptions.h"
#include "platform/directories.h"
#include "core/function_codes.h"
#include "core/given_text.h"
#include "core/margins.h"
#include "core/reentry.h"
#include "core/view_placement.h"
#include "platform/environment.h"

namespace tarn {

Engine::Engine() : defaults_(kDefaultOptions) { setTabStops(tabStops_, 9, 8); }

Engine::~Engine() = default;

void Engine::setRegistry(std::span<const EditFunction> registry) { registry_ = registry; }

const EditFunction* Engine::findFunction(int code) const {
  for (std::span<const EditFunction> table : {registry_, givenTextFunctions()}) {
    auto it = std::lower_bound(table.begin(), table.end(), code,
                               [](const EditFunction& f, int c) { return f.code < c; });
    if (it != table.end() && it->code == code) return &*it;
  }
  return nullptr;
}

Document* Engine::find(int id) const {
  for (auto& doc : documents_)
    if (doc->id == id) return doc.get();
  return nullptr;
}

int Engine::send(Document* doc, int code, intptr_t arg1, intptr_t arg2) {
  try {
    return dispatch(doc, code, arg1, arg2);
  } catch (...) {
    repeat_ = 1;
    if (host_) host_->reportError(exceptionText(std::current_exception()));
    return 0;
  }
}

namespace {
bool isMappedMessage(int code) {
  return (code >= msg::kKeyDown && code <= msg::kSysChar) ||
         (code >= msg::kMouseMove && code <= 521) || (code >= msg::kCut && code <= msg::kClear);
}
}  // namespace

int Engine::dispatch(Document* doc, int code, intptr_t arg1, intptr_t arg2) {
  if (doc && code != fn::kUpdateStatusLine && (fn::isEditing(code) || isMappedMessage(code))) {
    int stored = storeMessage(doc, code, arg1, arg2);
    if (stored >= 0) return stored;
    const EditFunction* fn = findFunction(code);
    if (!fn) {
      repeat_ = 1;
      return fn::isEditing(code) ? 1 : 0;
    }
    return runFunction(*doc, *fn, arg1, arg2);
  }
  int stored = storeMessage(doc, code, arg1, arg2);
  return stored < 0 ? 0 : stored;
}

int Engine::runFunction(Document& doc, const EditFunction& fn, intptr_t arg1, intptr_t arg2) {
  if (fn.code != fn::kQuery && !doc.first) {
    doc.makeSingleLine();
  }
  bool recorded = fn.classBits & (editclass::kMovement | editclass::kChange);
  if (recorded && doc.undoLog()) doc.undoLog()->beginStep(doc, fn.code);
  if ((doc.flags & docflag::kCapturing) && !(fn.classBits & editclass::kInternal) && capture_ &&
      fn.code != fn::kMacroDefine)
    capture_->record(doc, fn.code, arg1, arg2);
  std::optional<BusyScope> busy;
  if (editor_) busy.emplace(editor_->loop);
  // A function, with the functions it sends and the other documents it
  // changes, counts as one change and undoes as one step; in a batch the
  // step goes on until the batch ends.
  struct Depth {
    Engine& engine;
    explicit Depth(Engine& e) : engine(e) { ++engine.depth_; }
    ~Depth() {
      if (--engine.depth_ != 0) return;
      engine.closeUndoSteps();
      engine.settleChanges();
    }
  } depth(*this);
  EngineCall call{*this, editor_, doc, fn.code, arg1, arg2, repeat_};
  repeat_ = 1;
  int result = fn.handler(call);
  lastFunction_ = fn.code;
  // The status line shows what the function leaves: the first change after
  // a save, or a redo past it, marks the file modified at once.
  if (depth_ == 1) settleChanges();
  if (!(fn.classBits & editclass::kInternal)) {
    bool moved = placeCurrentLine(doc);
    bool repaintAll = moved || (doc.flags & docflag::kRepaintAll);
    doc.flags &= ~docflag::kRepaintAll;
    if (host_ && !suspended_) {
      host_->windowChanged(doc, repaintAll);
      host_->statusChanged(doc);
    } else if (repaintAll) {
      doc.flags |= docflag::kRepaintAll;  // painted when updates resume
    }
  }
  return result;
}

// The store's own messages; -1 for a code that is not one of them.
int Engine::storeMessage(Document* doc, int code, intptr_t arg1, intptr_t arg2) {
  switch (code) {
    case msg::kCreate: {
      auto* request = reinterpret_cast<CreateRequest*>(arg2);
      if (!request) return 0;
      request->result = create(static_cast<int>(arg1), request->name);
      return request->result != nullptr;
    }
    case msg::kDestroy:
      if (doc) destroy(doc);
      return 1;
    case msg::kSetWindowSize:
      if (!doc) return 0;
      doc->windowColumns = std::max<int>(1, static_cast<int>(arg1));
      doc->windowRows = std::max<int>(1, static_cast<int>(arg2));
      placeCurrentLine(*doc);
      return 1;
    case msg::kTakeFocus:
      if (doc && host_) {
        placeCurrentLine(*doc);
        host_->takeFocus(*doc);
      }
      return 1;
    case msg::kSuspendUpdates:
      suspendUpdates(doc, arg1 != 0);
      return 1;
    case msg::kRepaint:
    case msg::kRepaintWindow:
      if (doc && host_ && !suspended_) {
        placeCurrentLine(*doc);
        host_->windowChanged(*doc, true);
      }
      return 1;
    case msg::kShutdown:
      documents_.clear();
      return 1;
    case fn::kSetOption: {
      if (arg2 < 0 || arg2 >= opt::kCount) return 0;
      OptionRow& row = doc ? doc->options : defaults_;
      row[arg2] = static_cast<int>(arg1);
      return 1;
    }
    case fn::kGetOption:
      if (arg2 < 0 || arg2 >= opt::kCount) return 0;
      return (doc ? doc->options : defaults_)[arg2];
    case fn::kSetMargins: {
      if (!editor_ || !arg2) return 0;
      const auto* rightAndParagraph = reinterpret_cast<const int*>(arg2);
      int longest = (doc ? doc->options : defaults_)[opt::kLongestLine];
      setMargins(editor_->settings, static_cast<int>(arg1), rightAndParagraph[0], rightAndParagraph[1], longest);
      return 1;
    }
    case fn::kGetStatus:
      if (!doc || !arg2) return 0;
      fillStatus(*doc, *reinterpret_cast<StatusRecord*>(arg2));
      return 1;
    case fn::kLineCount:
      return doc ? doc->lineCount : 0;
    case fn::kChangeCount:
      return doc ? doc->changeCount() : 0;
    case fn::kSetChangeCount:
      if (doc) doc->setChangeCount(static_cast<int>(arg1));
      return 1;
    case fn::kRenameDocument:
      if (!doc || !arg2) return 0;
      doc->name = reinterpret_cast<const char*>(arg2);
      doc->setChangeCount(1);
      return 1;
    case fn::kUpdateStatusLine:
      if (doc && host_ && !suspended_) host_->statusChanged(*doc);
      return 1;
    default:
      return -1;
  }
}

Document* Engine::create(int bits, const char* name) {
  uint32_t flags = 0;
  if (bits & msg::kCreateCommandLine) flags |= docflag::kCommandLine;
  if (bits & msg::kCreateSyntaxColouring) flags |= docflag::kSyntaxColouring;
  if (bits & msg::kCreateReadOnly) flags |= docflag::kReadOnly;
  auto doc = std::make_unique<Document>(nextId_++, flags, defaults_);
  if (undoFactory_) doc->setUndoLog(undoFactory_());
  if (flags & docflag::kCommandLine) {
    doc->makeSingleLine();
  } else {
    bool named = name && *name;
    std::string path = named ? name : std::string(kUntitled);
    doc->name = path;
    bool opened = named && reader_ && reader_->read(*doc, path);
    if (!opened && named && reader_ && path.find('/') == std::string::npos) {
      // Not found under the name given: try the directories of TARNPATH,
      // and for the support files the program's own directory.
      std::vector<std::string> candidates;
      for (const std::string& dir : searchPathDirectories("TARNPATH"))
        candidates.push_back(dir + (dir.ends_with('/') ? "" : "/") + path);
      if (editor_ && strncasecmp(path.c_str(), "TARN.", 5) == 0) {
        std::string found = findNoCase(editor_->paths.programDirectory, path);
        if (!found.empty()) candidates.push_back(editor_->paths.programDirectory + found);
      }
      for (const std::string& candidate : candidates) {
        doc->freeLines();
        if (reader_->read(*doc, candidate)) {
          doc->name = candidate;
          opened = true;
          break;
        }
      }
    }
    if (!opened) doc->freeLines();
    if (!doc->first || !doc->isSentinel(doc->first)) doc->addSentinels();
  }
  Document* raw = doc.get();
  documents_.push_front(std::move(doc));
  return raw;
}

void Engine::destroy(Document* doc) {
  documents_.remove_if([doc](const std::unique_ptr<Document>& d) { return d.get() == doc; });
}

void Engine::suspendUpdates(Document* doc, bool suspend) {
  if (suspend) {
    suspended_ = true;
    return;
  }
  if (!suspended_) return;
  suspended_ = false;
  closeUndoSteps();
  if (doc && host_) {
    placeCurrentLine(*doc);
    host_->updatesResumed(*doc);
    host_->statusChanged(*doc);
  }
}

void Engine::settleChanges() {
  for (auto& doc : documents_) doc->settleChanges();
}

void Engine::endUndoGroup() {
  if (grouped_ > 0) --grouped_;
  closeUndoSteps();
}

void Engine::closeUndoSteps() {
  if (depth_ > 0 || suspended_ || grouped_ > 0) return;
  for (auto& doc : documents_)
    if (UndoLog* log = doc->undoLog()) log->endStep(*doc);
}

void Engine::fillStatus(const Document& doc, StatusRecord& s) const {
  s.insertMode = doc.options[opt::kInsertMode];
  s.cursorColumn = doc.cursorColumn + 1;
  s.cursorRow = doc.cursorRow;
  s.lineNumber = toUser(doc.currentLineNumber).value();
  s.textLines = doc.textLineCount();
  s.fileName = doc.name;
  s.topLineNumber = toUser(doc.view.topLineNumber).value();
  s.leftColumn = doc.view.leftColumn + 1;
  s.windowColumns = doc.windowColumns;
  s.windowRows = doc.windowRows;
  s.captureState = (doc.flags & docflag::kPlayingBack)     ? 3
                   : (doc.flags & docflag::kCapturePaused) ? 2
                   : (doc.flags & docflag::kCapturing)     ? 1
                                                           : 0;
  s.changeCount = doc.changeCount();
  s.flags = doc.flags;
}

}  // namespace tarn
