/* Reads each PPD file named on standard input (one path a line) with
 * libcups and prints the facts the cross-check compares, one per line:
 *   FILE path / STATUS ok|fail / COLOR n / CONSTS n / VARIABLE n /
 *   DEFAULT keyword choice (NODEFAULT keyword without the option) / CHOICE name<TAB>text / SIZE name w l left bottom right top / END
 * Texts are printed with \\, \t, \n and \r escaped. It runs in its own
 * process without the sanitizers, whose allocator makes libcups' large
 * per-statement buffers very slow. */
#include <cups/ppd.h>
#include <stdio.h>
#include <string.h>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

static void PrintEscaped(const char *text) {
  for (; *text; ++text) {
    switch (*text) {
      case '\\': fputs("\\\\", stdout); break;
      case '\t': fputs("\\t", stdout); break;
      case '\n': fputs("\\n", stdout); break;
      case '\r': fputs("\\r", stdout); break;
      default: putchar(*text);
    }
  }
}

static void PrintDefault(ppd_file_t *ppd, const char *keyword) {
  ppd_option_t *option = ppdFindOption(ppd, keyword);
  if (!option) {
    printf("NODEFAULT %s\n", keyword);
    return;
  }
  printf("DEFAULT %s ", keyword);
  PrintEscaped(option->defchoice);
  putchar('\n');
}

int main(void) {
  char path[4096];
  while (fgets(path, sizeof path, stdin)) {
    path[strcspn(path, "\r\n")] = '\0';
    printf("FILE %s\n", path);
    ppd_file_t *ppd = ppdOpenFile(path);
    if (!ppd) {
      printf("STATUS fail\nEND\n");
      continue;
    }
    printf("STATUS ok\nCOLOR %d\nCONSTS %d\nVARIABLE %d\n", ppd->color_device, ppd->num_consts,
           ppd->variable_sizes);
    PrintDefault(ppd, "PageSize");
    PrintDefault(ppd, "Resolution");
    ppd_option_t *sizes = ppdFindOption(ppd, "PageSize");
    for (int i = 0; sizes && i < sizes->num_choices; ++i) {
      printf("CHOICE ");
      PrintEscaped(sizes->choices[i].choice);
      putchar('\t');
      PrintEscaped(sizes->choices[i].text);
      putchar('\n');
    }
    for (int i = 0; i < ppd->num_sizes; ++i) {
      ppd_size_t *s = &ppd->sizes[i];
      printf("SIZE %s %.6f %.6f %.6f %.6f %.6f %.6f\n", s->name, s->width, s->length, s->left, s->bottom,
             s->right, s->top);
    }
    printf("END\n");
    ppdClose(ppd);
  }
  return 0;
}
