#include "playback/unbounded_text_buffer.h"

namespace tavrino {

namespace {

struct UnboundedTextBuffer {
  GtkEntryBuffer parent;
  GString* text;
  guint length;  // in characters
};

struct UnboundedTextBufferClass {
  GtkEntryBufferClass parent;
};

G_DEFINE_TYPE(UnboundedTextBuffer, unbounded_text_buffer, GTK_TYPE_ENTRY_BUFFER)

UnboundedTextBuffer* Self(GtkEntryBuffer* buffer) {
  return G_TYPE_CHECK_INSTANCE_CAST(buffer, unbounded_text_buffer_get_type(), UnboundedTextBuffer);
}

gsize ByteOffset(const GString* text, guint position) {
  return static_cast<gsize>(g_utf8_offset_to_pointer(text->str, position) - text->str);
}

const gchar* GetText(GtkEntryBuffer* buffer, gsize* n_bytes) {
  const GString* text = Self(buffer)->text;
  if (n_bytes) *n_bytes = text->len;
  return text->str;
}

guint GetLength(GtkEntryBuffer* buffer) { return Self(buffer)->length; }

guint InsertText(GtkEntryBuffer* buffer, guint position, const gchar* chars, guint n_chars) {
  UnboundedTextBuffer* self = Self(buffer);
  position = MIN(position, self->length);
  const auto n_bytes = g_utf8_offset_to_pointer(chars, n_chars) - chars;
  g_string_insert_len(self->text, static_cast<gssize>(ByteOffset(self->text, position)), chars,
                      n_bytes);
  self->length += n_chars;
  gtk_entry_buffer_emit_inserted_text(buffer, position, chars, n_chars);
  return n_chars;
}

guint DeleteText(GtkEntryBuffer* buffer, guint position, guint n_chars) {
  UnboundedTextBuffer* self = Self(buffer);
  position = MIN(position, self->length);
  n_chars = MIN(n_chars, self->length - position);
  if (n_chars == 0) return 0;
  const gsize start = ByteOffset(self->text, position);
  const gsize end = ByteOffset(self->text, position + n_chars);
  g_string_erase(self->text, static_cast<gssize>(start), static_cast<gssize>(end - start));
  self->length -= n_chars;
  gtk_entry_buffer_emit_deleted_text(buffer, position, n_chars);
  return n_chars;
}

void Finalize(GObject* object) {
  g_string_free(Self(GTK_ENTRY_BUFFER(object))->text, TRUE);
  G_OBJECT_CLASS(unbounded_text_buffer_parent_class)->finalize(object);
}

void unbounded_text_buffer_init(UnboundedTextBuffer* self) {
  self->text = g_string_new(nullptr);
  self->length = 0;
}

void unbounded_text_buffer_class_init(UnboundedTextBufferClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = Finalize;
  GtkEntryBufferClass* buffer = GTK_ENTRY_BUFFER_CLASS(klass);
  buffer->get_text = GetText;
  buffer->get_length = GetLength;
  buffer->insert_text = InsertText;
  buffer->delete_text = DeleteText;
}

}  // namespace

GtkEntryBuffer* NewUnboundedTextBuffer() {
  return GTK_ENTRY_BUFFER(g_object_new(unbounded_text_buffer_get_type(), nullptr));
}

}  // namespace tavrino
