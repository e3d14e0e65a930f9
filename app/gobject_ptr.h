// Owning handles for GObject references and signal connections made through the C API.
#pragma once

#include <glib-object.h>

#include <utility>

namespace tavrino {

// Holds one strong reference: adopting takes over the caller's reference, sinking it first
// when it is floating.
template <typename T>
class GObjectPtr {
 public:
  GObjectPtr() = default;
  static GObjectPtr Adopt(T* object) {
    GObjectPtr owned;
    if (object && g_object_is_floating(object)) g_object_ref_sink(object);
    owned.object_ = object;
    return owned;
  }
  ~GObjectPtr() { Reset(); }
  GObjectPtr(GObjectPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GObjectPtr& operator=(GObjectPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  GObjectPtr(const GObjectPtr&) = delete;
  GObjectPtr& operator=(const GObjectPtr&) = delete;

  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void Reset() {
    if (object_) g_object_unref(std::exchange(object_, nullptr));
  }

 private:
  T* object_ = nullptr;
};

// Disconnects a handler connected with g_signal_connect when it goes out of scope, unless the
// instance has been finalised before.
class SignalConnection {
 public:
  SignalConnection() = default;
  SignalConnection(gpointer instance, gulong handler_id) : instance_(instance), id_(handler_id) {
    g_object_add_weak_pointer(G_OBJECT(instance_), &instance_);
  }
  ~SignalConnection() { Disconnect(); }
  SignalConnection(SignalConnection&& other) noexcept { *this = std::move(other); }
  SignalConnection& operator=(SignalConnection&& other) noexcept {
    if (this != &other) {
      Disconnect();
      if (other.instance_) {
        g_object_remove_weak_pointer(G_OBJECT(other.instance_), &other.instance_);
        instance_ = std::exchange(other.instance_, nullptr);
        id_ = std::exchange(other.id_, 0);
        g_object_add_weak_pointer(G_OBJECT(instance_), &instance_);
      }
    }
    return *this;
  }
  SignalConnection(const SignalConnection&) = delete;
  SignalConnection& operator=(const SignalConnection&) = delete;

  void Disconnect() {
    if (!instance_) return;
    g_object_remove_weak_pointer(G_OBJECT(instance_), &instance_);
    g_signal_handler_disconnect(instance_, id_);
    instance_ = nullptr;
  }

 private:
  gpointer instance_ = nullptr;
  gulong id_ = 0;
};

}  // namespace tavrino
