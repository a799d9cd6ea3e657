// gtk-window: a GTK 3 window of the menu's size and texts, to show beside the game's start-up
// what the same window costs in the desktop's common toolkit.
#include <gtk/gtk.h>

#include <initializer_list>

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "bare GTK window");
  gtk_window_set_default_size(GTK_WINDOW(window), 410, 164);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
  GtkWidget* title = gtk_label_new(nullptr);
  gtk_label_set_markup(
      GTK_LABEL(title),
      "<span font='Comic Neue Bold 22' foreground='red'>ORVANE'S TIC TAC TOE</span>");
  gtk_box_pack_start(GTK_BOX(column), title, TRUE, TRUE, 0);
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 7);
  for (const char* caption : {"_ONE PLAYER", "_TWO PLAYER", "_EXIT"}) {
    gtk_box_pack_start(GTK_BOX(row), gtk_button_new_with_mnemonic(caption), TRUE, TRUE, 0);
  }
  gtk_box_pack_start(GTK_BOX(column), row, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(window), column);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
