#include "forms/help/help_page.h"

namespace tools {

namespace {

// The head nests title and head the other way round, as the page always has; browsers take
// it all the same.
constexpr std::string_view kPage =
    R"html(<html><title><head>Skarvel</head></title><body bgcolor=black>
<table width=95% height=95% border=0 align=center>
<tr><td></td><td align=center><b><h2><tt><font color=red>Программа Skarvel</font></tt></h2></b></td></tr>
<tr><td width=10%></td><td align=left><b><h3><tt><font color=teal>
<p>Программа Skarvel убирает с вашего компьютера мусор, который копится при работе системы и программ.
Простота управления и гарантированно корректная работа выгодно отличают её от других подобных программ.
Начиная с версии 1.0.2.108 программу можно перевести на любой язык всего за десять минут.</p>
<p>Окно программы состоит из левой и правой частей. В левой части отметьте левой кнопкой мыши места,
в которых программа должна работать, после чего остаётся только нажать кнопку "Begin".
Правая часть показывает ход работы.</p>
<p><font color=red>Над программой работали:</font><br>
<i>-Кодинг:</i><br>
&nbsp;&nbsp;Группа разработки Skarvel<br>
<i>-Дизайн:</i><br>
&nbsp;&nbsp;Группа оформления Skarvel<br>
<i>-Тестирование:</i><br>
&nbsp;&nbsp;Группа тестирования Skarvel<br>
&nbsp;&nbsp;Пользователи бета-версий</p>
<p><font color=red>История версий:</font></p>
<i>Skarvel 1.0.7.977</i>
<ol>
<li>Исправлены мелкие ошибки.</li>
<li>Добавлена очистка автономных веб-страниц.</li>
<li>Исправлена ошибка с Windows Messenger.</li>
<li>Добавлен менеджер процессов.</li>
<li>Добавлен менеджер типов файлов.</li>
</ol>
<hr>
<i>Skarvel 1.0.6.783</i>
<ol>
<li>Добавлен выбор: вести или не вести список истории.</li>
<li>Добавлен выбор: вести или не вести список недавних документов.</li>
<li>Добавлено отключение и включение отладчика Dr. Watson.</li>
<li>Улучшено ускорение работы памяти.</li>
</ol>
<hr>
<i>Skarvel 1.0.5.610</i>
<ol>
<li>Исправлены мелкие ошибки.</li>
<li>Автоматическая очистка логов программы, если она выбрана в настройках.</li>
<li>Добавлен менеджер дисков.</li>
<li>Добавлена очистка кэша DLL.</li>
<li>Размер кэша DLL автоматически устанавливается в 10 МБ (его можно изменить в файле настроек).</li>
<li>Добавлен выбор: не вести историю и список недавних документов.</li>
</ol>
<hr>
<i>Skarvel 1.0.4.430</i>
<ol>
<li>Исправлены мелкие ошибки.</li>
<li>Переработан внешний вид.</li>
<li>Добавлено ведение логов.</li>
<li>Добавлен менеджер логов.</li>
</ol>
<hr>
<i>Skarvel 1.0.3.237</i>
<ol>
<li>Исправлен перевод некоторых элементов.</li>
<li>Добавлена очистка кэша браузера Opera*.</li>
<li>Добавлена очистка cookies браузера Opera*.</li>
<li>Добавлена очистка ссылок браузера Opera*.</li>
<li>Добавлена очистка значков ссылок браузера Opera*.</li>
<li>Добавлена очистка списка загрузок браузера Opera*.</li>
</ol>
* Работает, только пока настройки кэша Opera стоят по умолчанию.
<hr>
<i>Skarvel 1.0.2.108</i>
<ol>
<li>Исправлена ошибка в трее при нажатии кнопки настроек по умолчанию.</li>
<li>Исправлена ошибка в строке состояния.</li>
<li>В заголовок главного окна помещено уведомление.</li>
<li>Страница справки теперь создаётся самой программой, поэтому изменить её нельзя.</li>
<li>Добавлена поддержка языков.</li>
</ol>
<hr>
<i>Skarvel 1.0.1.57</i>
<ol>
<li>Звуки.</li>
<li>Настройка цвета.</li>
<li>Запуск вместе с системой.</li>
<li>Значок в трее.</li>
<li>Выбор вида обработки.</li>
<li>Звуки можно отключить.</li>
<li>Настройки по умолчанию.</li>
<li>Автоматическое сохранение настроек.</li>
</ol>
<hr>
<i>Skarvel 1.0.0.0(12)</i>
<ol>
<li>Первый выпуск.</li>
</ol>
<hr>
<p><font color=red>Тестовое оборудование:</font></p>
<ol>
<li>Ноутбук
<ul>
<li>Процессор:&nbsp; Intel Pentium M 1,6 ГГц</li>
<li>Видеоадаптер:&nbsp; ATI Mobility Radeon 9600</li>
<li>Память:&nbsp; 512 МБ DDR</li>
<li>Материнская плата:&nbsp; Intel 855PM</li>
<li>Система:&nbsp; Windows XP</li>
<li>Дополнительно:&nbsp; Internet Explorer 5 и выше</li>
</ul></li>
<li>Настольный компьютер
<ul>
<li>Процессор:&nbsp; AMD Athlon XP 2500+</li>
<li>Видеоадаптер:&nbsp; NVIDIA GeForce FX 5700</li>
<li>Память:&nbsp; 512 МБ DDR</li>
<li>Материнская плата:&nbsp; NVIDIA nForce2</li>
<li>Система:&nbsp; Windows XP</li>
<li>Дополнительно:&nbsp; Internet Explorer 5 и выше</li>
</ul></li>
<li>Настольный компьютер
<ul>
<li>Процессор:&nbsp; Intel Pentium 4 2,8 ГГц</li>
<li>Видеоадаптер:&nbsp; ATI Radeon 9800 Pro</li>
<li>Память:&nbsp; 1 ГБ DDR</li>
<li>Материнская плата:&nbsp; Intel 865PE</li>
<li>Система:&nbsp; Windows XP</li>
<li>Дополнительно:&nbsp; Internet Explorer 5 и выше</li>
</ul></li>
<li>Настольный компьютер
<ul>
<li>Процессор:&nbsp; AMD Athlon 64 3200+</li>
<li>Видеоадаптер:&nbsp; NVIDIA GeForce 6600 GT</li>
<li>Память:&nbsp; 1 ГБ DDR</li>
<li>Материнская плата:&nbsp; VIA K8T800</li>
<li>Система:&nbsp; Windows XP</li>
<li>Дополнительно:&nbsp; Internet Explorer 5 и выше</li>
</ul></li>
<li>Настольный компьютер
<ul>
<li>Процессор:&nbsp; Intel Celeron 2,0 ГГц</li>
<li>Видеоадаптер:&nbsp; Intel Extreme Graphics 2</li>
<li>Память:&nbsp; 256 МБ DDR</li>
<li>Материнская плата:&nbsp; Intel 845GV</li>
<li>Система:&nbsp; Windows XP</li>
<li>Дополнительно:&nbsp; Internet Explorer 5 и выше</li>
</ul></li>
</ol>
</font></tt></h3></b></td></tr>
</table>
<table width=90% align=right><tr><td><b><h4><font color=red>Skarvel распространяется бесплатно и без каких-либо гарантий; пользуйтесь ею на свой страх и риск.
Вопросы и предложения: <a href="mailto:skarvel@example.org">skarvel@example.org</a></font></h4></b></td></tr></table>
</body></html>
)html";

}  // namespace

std::string_view HelpPage() {
    return kPage;
}

}  // namespace tools
